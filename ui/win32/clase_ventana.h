#pragma once
// Owns the one way in which the window and its panels install their window procedures.
#include <windows.h>

namespace ttz::ui {

// A window class's procedure: every message goes to a member function of the object given at
// the window's creation (CreateWindowEx's last parameter).
template <typename Objeto, LRESULT (Objeto::*atender)(HWND, UINT, WPARAM, LPARAM)>
LRESULT CALLBACK procedimientoDe(HWND ventana, UINT mensaje, WPARAM w, LPARAM l) {
    if (mensaje == WM_NCCREATE)
        SetWindowLongPtrA(ventana, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(l)->lpCreateParams));
    // Messages before WM_NCCREATE have no object yet.
    auto* objeto = reinterpret_cast<Objeto*>(GetWindowLongPtrA(ventana, GWLP_USERDATA));
    return objeto ? (objeto->*atender)(ventana, mensaje, w, l) : DefWindowProcA(ventana, mensaje, w, l);
}

// Registers the class of this program with the program's icon; fondo null: the windows paint
// their whole background.
template <typename Objeto, LRESULT (Objeto::*atender)(HWND, UINT, WPARAM, LPARAM)>
void registrarClase(const char* nombre, HBRUSH fondo) {
    constexpr WORD kIconoPrograma = 1;  // the executable's icon resource
    WNDCLASSA clase{};
    clase.hInstance = GetModuleHandleA(nullptr);
    clase.hCursor = LoadCursor(nullptr, IDC_ARROW);
    clase.hIcon = LoadIconA(clase.hInstance, MAKEINTRESOURCEA(kIconoPrograma));
    clase.lpfnWndProc = &procedimientoDe<Objeto, atender>;
    clase.hbrBackground = fondo;
    clase.lpszClassName = nombre;
    RegisterClassA(&clase);
}

}  // namespace ttz::ui
