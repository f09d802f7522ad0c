// A host of the tool's Win32 window, as Tempalix is: it owns a window, starts the tool with
// "<direction> <its handle in hex>" and acts on the tool's window from another process.
// Usage: anfitrion_win32 <tool> <case>; the cases:
//   exportar   Enter on the export button; every box is read and answered with Enter; the tool
//              ends by itself with 0 after "Proceso finalizado"
//   acentos    the same, started in a folder "A\xF1o 2026" with a subfolder "Direcci\xF3n": first
//              the folder list's rows must read so, in the ANSI code page
//   foco       standalone: Enter on the focused export button, the boxes answered; the focus is
//              then back on that button and Enter there exports again; closed, it ends with 0
//   cerrar     WM_CLOSE to the tool's window before any transfer; it ends with 0
//   destruir   the host window is destroyed; the tool ends with 0
//   invalido   handle "12G4": the error box names it, then a standalone window, closed; 0
//   sinventana a handle that names no window: the error box, then the tool ends with 1
// Every hosted case first checks the tool's window: a child of the host at (2, 2), no caption.
// Exit status 0 when the case holds; otherwise what failed on standard error.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr DWORD kLimite = 60000;  // milliseconds that any one wait may last before the case fails

[[noreturn]] void fallar(const std::string& motivo) {
    std::fprintf(stderr, "FALLA: %s\n", motivo.c_str());
    std::exit(1);
}

// Pumps the host's messages until listo holds; false when the wait runs out.
bool esperar(const std::function<bool()>& listo) {
    const DWORD inicio = GetTickCount();
    while (!listo()) {
        if (GetTickCount() - inicio > kLimite) return false;
        MSG mensaje;
        while (PeekMessageA(&mensaje, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&mensaje);
        Sleep(50);
    }
    return true;
}

std::string texto(HWND ventana) {
    char memoria[512] = "";
    DWORD_PTR copiados = 0;
    SendMessageTimeoutA(ventana, WM_GETTEXT, sizeof memoria, reinterpret_cast<LPARAM>(memoria), SMTO_ABORTIFHUNG,
                        5000, &copiados);
    return memoria;
}

std::string clase(HWND ventana) {
    char nombre[64] = "";
    GetClassNameA(ventana, nombre, sizeof nombre);
    return nombre;
}

BOOL CALLBACK anotarHija(HWND hija, LPARAM lista) {
    reinterpret_cast<std::vector<HWND>*>(lista)->push_back(hija);
    return TRUE;
}

std::vector<HWND> descendientes(HWND ventana) {
    std::vector<HWND> todas;
    EnumChildWindows(ventana, anotarHija, reinterpret_cast<LPARAM>(&todas));
    return todas;
}

HWND descendiente(HWND ventana, const std::string& suClase, const std::string& suTexto) {
    for (HWND hija : descendientes(ventana))
        if (IsWindowVisible(hija) && clase(hija) == suClase && texto(hija) == suTexto) return hija;
    return nullptr;
}

struct Proceso {
    PROCESS_INFORMATION info{};
    bool termino() const { return WaitForSingleObject(info.hProcess, 0) == WAIT_OBJECT_0; }
    DWORD estado() const {
        DWORD codigo = 0;
        GetExitCodeProcess(info.hProcess, &codigo);
        return codigo;
    }
};

Proceso arrancar(const std::string& herramienta, const std::string& parametros) {
    std::string linea = "\"" + herramienta + "\" " + parametros;
    STARTUPINFOA inicio{};
    inicio.cb = sizeof inicio;
    Proceso proceso;
    if (!CreateProcessA(nullptr, linea.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &inicio, &proceso.info))
        fallar("no arranca " + linea);
    return proceso;
}

// The tool's open message box: its caption is the application's title.
HWND caja() {
    const HWND hallada = FindWindowA("#32770", "transTempalosZeda");
    return hallada && IsWindowVisible(hallada) ? hallada : nullptr;
}

// The box's text, after checking its one button; the box is then closed with Enter.
std::string responderCaja(HWND abierta, const char* boton) {
    std::string leido;
    for (HWND hija : descendientes(abierta))
        if (clase(hija) == "Static" && texto(hija).size() > leido.size()) leido = texto(hija);
    if (!descendiente(abierta, "Button", boton)) fallar("la caja \"" + leido + "\" no tiene el boton " + boton);
    PostMessageA(abierta, WM_KEYDOWN, VK_RETURN, 0x001C0001);
    PostMessageA(abierta, WM_KEYUP, VK_RETURN, 0xC01C0001);
    if (!esperar([&] { return !IsWindow(abierta); })) fallar("Enter no cierra la caja \"" + leido + "\"");
    return leido;
}

void terminaCon(const Proceso& proceso, DWORD estado, const std::string& cuando) {
    if (!esperar([&] { return proceso.termino(); })) fallar(cuando + ": la herramienta sigue en marcha");
    if (proceso.estado() != estado) fallar(cuando + ": estado de salida " + std::to_string(proceso.estado()));
}

HWND crearAnfitrion() {
    WNDCLASSA clase{};
    clase.lpfnWndProc = DefWindowProcA;
    clase.hInstance = GetModuleHandleA(nullptr);
    clase.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
    clase.lpszClassName = "Tempalix";
    RegisterClassA(&clase);
    const HWND ventana = CreateWindowExA(0, "Tempalix", "Tempalix", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE,
                                         40, 40, 660, 380, nullptr, nullptr, clase.hInstance, nullptr);
    if (!ventana) fallar("el anfitrion no crea su ventana");
    return ventana;
}

std::string hexadecimal(HWND ventana) {
    char cifras[16];
    std::snprintf(cifras, sizeof cifras, "%lX",
                  static_cast<unsigned long>(reinterpret_cast<std::uintptr_t>(ventana) & 0xFFFFFFFFu));
    return cifras;
}

// The tool's window inside the host: a child at (2, 2) of the client area, without caption.
HWND hijaAlojada(HWND anfitrion) {
    HWND hija = nullptr;
    if (!esperar([&] { return (hija = FindWindowExA(anfitrion, nullptr, "TMForm", nullptr)) && IsWindowVisible(hija); }))
        fallar("la ventana de la herramienta no es hija del anfitrion");
    RECT area{};
    GetWindowRect(hija, &area);
    MapWindowPoints(nullptr, anfitrion, reinterpret_cast<POINT*>(&area), 2);
    if (area.left != 2 || area.top != 2)
        fallar("la hija esta en (" + std::to_string(area.left) + ", " + std::to_string(area.top) + ")");
    const auto estilo = GetWindowLongA(hija, GWL_STYLE);
    if (!(estilo & WS_CHILD) || (estilo & WS_CAPTION) == WS_CAPTION) fallar("la hija tiene titulo o no es hija");
    std::printf("hija del anfitrion en (2, 2), sin titulo\n");
    return hija;
}

// Enter on the button; every box is answered until the last one, "Proceso finalizado", or until
// the tool ends.
void pulsarYResponder(HWND boton, const Proceso& proceso) {
    PostMessageA(boton, WM_KEYDOWN, VK_RETURN, 0x001C0001);
    std::string ultimo;
    while (esperar([&] { return caja() || proceso.termino(); }) && !proceso.termino()) {
        ultimo = responderCaja(caja(), "Aceptar");
        std::printf("caja: %s\n", ultimo.c_str());
        if (ultimo == "Proceso finalizado") break;
    }
    if (ultimo != "Proceso finalizado") fallar("la ultima caja dice \"" + ultimo + "\"");
}

// The folder list's rows from the selected one (the current folder) on, in the ANSI code page,
// one a line. They are asked for in UTF-16, which Wine passes whole between processes.
std::string filasDesdeLaActual(HWND ventana) {
    const HWND lista = FindWindowExA(FindWindowExA(ventana, nullptr, "TDraw3D", "Draw3D1"), nullptr, "ListBox", nullptr);
    std::string filas;
    const auto total = SendMessageW(lista, LB_GETCOUNT, 0, 0);
    for (auto fila = SendMessageW(lista, LB_GETCURSEL, 0, 0); fila >= 0 && fila < total; ++fila) {
        std::wstring ancho(static_cast<std::size_t>(std::max<LRESULT>(0, SendMessageW(lista, LB_GETTEXTLEN, fila, 0))), L'\0');
        SendMessageW(lista, LB_GETTEXT, fila, reinterpret_cast<LPARAM>(ancho.data()));
        char texto[MAX_PATH] = "";
        WideCharToMultiByte(CP_ACP, 0, ancho.c_str(), -1, texto, sizeof texto, nullptr, nullptr);
        filas += texto + std::string("\n");
    }
    return filas;
}

void exportar(const std::string& herramienta, const char* filasEsperadas = nullptr) {
    const HWND anfitrion = crearAnfitrion();
    const auto proceso = arrancar(herramienta, "exportar " + hexadecimal(anfitrion));
    const HWND hija = hijaAlojada(anfitrion);
    if (filasEsperadas && filasDesdeLaActual(hija) != filasEsperadas)
        fallar("la lista de carpetas se lee \"" + filasDesdeLaActual(hija) + "\"");
    const HWND boton = descendiente(hija, "Button", "Aceptar");
    if (!boton) fallar("sin boton Aceptar visible");
    pulsarYResponder(boton, proceso);
    terminaCon(proceso, 0, "tras exportar");
}

HWND foco(HWND ventana) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(ventana, nullptr), &info);
    return info.hwndFocus;
}

void volverAlFoco(const std::string& herramienta) {
    const auto proceso = arrancar(herramienta, "");
    HWND ventana = nullptr, boton = nullptr;
    if (!esperar([&] {
            ventana = FindWindowA("TMForm", "Exportar e importar datos entre Tempalix y ZEDA");
            return ventana && (boton = foco(ventana)) && texto(boton) == "Aceptar";
        }))
        fallar("al empezar, el foco no esta en el boton de exportar");
    pulsarYResponder(boton, proceso);
    if (!esperar([&] { return foco(ventana) == boton; })) fallar("tras la caja, el foco no vuelve al boton");
    std::printf("el foco vuelve al boton\n");
    pulsarYResponder(foco(ventana), proceso);
    PostMessageA(ventana, WM_CLOSE, 0, 0);
    terminaCon(proceso, 0, "independiente cerrada");
}

void cerrar(const std::string& herramienta) {
    const HWND anfitrion = crearAnfitrion();
    const auto proceso = arrancar(herramienta, "importar " + hexadecimal(anfitrion));
    PostMessageA(hijaAlojada(anfitrion), WM_CLOSE, 0, 0);
    terminaCon(proceso, 0, "WM_CLOSE");
}

void destruir(const std::string& herramienta) {
    const HWND anfitrion = crearAnfitrion();
    const auto proceso = arrancar(herramienta, "exportar " + hexadecimal(anfitrion));
    hijaAlojada(anfitrion);
    DestroyWindow(anfitrion);
    terminaCon(proceso, 0, "sin anfitrion");
}

void invalido(const std::string& herramienta) {
    const auto proceso = arrancar(herramienta, "exportar 12G4");
    if (!esperar([] { return caja() != nullptr; })) fallar("sin caja de error");
    const auto leido = responderCaja(caja(), "OK");
    if (leido != "'$12G4' no es un valor entero v\xE1lido.") fallar("la caja de error dice \"" + leido + "\"");
    HWND ventana = nullptr;
    if (!esperar([&] { return (ventana = FindWindowA("TMForm", "Exportar e importar datos entre Tempalix y ZEDA")); }))
        fallar("sin ventana independiente");
    if ((GetWindowLongA(ventana, GWL_STYLE) & WS_CAPTION) != WS_CAPTION) fallar("la ventana independiente no tiene titulo");
    PostMessageA(ventana, WM_CLOSE, 0, 0);
    terminaCon(proceso, 0, "independiente cerrada");
}

void sinVentana(const std::string& herramienta) {
    const auto proceso = arrancar(herramienta, "exportar 7FFFFFF0");
    if (!esperar([] { return caja() != nullptr; })) fallar("sin caja de error");
    const auto leido = responderCaja(caja(), "OK");
    if (leido.find("ya no existe (identificador 7FFFFFF0)") == std::string::npos) fallar("la caja de error dice \"" + leido + "\"");
    terminaCon(proceso, 1, "sin ventana anfitriona");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) fallar("uso: anfitrion_win32 <herramienta> exportar|acentos|foco|cerrar|destruir|invalido|sinventana");
    const std::string herramienta = argv[1], caso = argv[2];
    if (caso == "exportar") exportar(herramienta);
    else if (caso == "acentos") exportar(herramienta, "A\xF1o 2026\nDirecci\xF3n\n");
    else if (caso == "foco") volverAlFoco(herramienta);
    else if (caso == "cerrar") cerrar(herramienta);
    else if (caso == "destruir") destruir(herramienta);
    else if (caso == "invalido") invalido(herramienta);
    else if (caso == "sinventana") sinVentana(herramienta);
    else fallar("caso desconocido: " + caso);
    return 0;
}
