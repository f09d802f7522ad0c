#include "ui/win32/ventana.h"

#include <algorithm>
#include <utility>

#include "ui/anfitrion.h"
#include "ui/win32/clase_ventana.h"

namespace ttz::ui {
namespace {

constexpr const char* kClaseVentana = "TMForm";
constexpr const char* kClasePanel = "TDraw3D";
constexpr int kPrimerId = 100;
constexpr int kAltoDesplegable = 160;  // the drive list's drop-down

const DWORD kEstiloIndependiente = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
const DWORD kExtendidoIndependiente = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

constexpr CodigoTecla kCodigosTeclas[] = {
    {VK_F1, Tecla::F1}, {VK_ESCAPE, Tecla::Escape}, {VK_RETURN, Tecla::Intro}, {'S', Tecla::S}};

int idControl(IdControl id) { return kPrimerId + static_cast<int>(id); }

// The control's window class and style.
std::pair<const char*, DWORD> claseDe(const Control& descripcion) {
    const DWORD estilo = WS_CHILD | WS_VISIBLE;
    switch (descripcion.clase) {
    case ClaseControl::Texto:
        return {"STATIC", estilo | SS_NOPREFIX | (descripcion.ajustado ? SS_LEFT : SS_LEFTNOWORDWRAP)};
    case ClaseControl::Boton:
        return {"BUTTON", estilo | WS_TABSTOP | (descripcion.glifo != Glifo::Ninguno ? BS_OWNERDRAW : BS_PUSHBUTTON)};
    case ClaseControl::ListaCarpetas:
        return {"LISTBOX", estilo | WS_TABSTOP | WS_VSCROLL | WS_BORDER | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS |
                               LBS_NOTIFY | LBS_NOINTEGRALHEIGHT};
    case ClaseControl::ListaUnidades:
        break;
    }
    return {"COMBOBOX", estilo | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS};
}

bool pulsada(int tecla) { return GetKeyState(tecla) < 0; }

}  // namespace

TMForm::TMForm(const std::vector<std::string>& parametros, PuertosVentana puertos, DialogosWin32& dialogos)
    : dialogos_(dialogos),
      fuentes_(crearFuentes()),
      selector_(dialogos, fuentes_, brochas_),
      comportamiento_(*this, std::move(puertos)) {
    registrarClase<TMForm, &TMForm::atender>(kClaseVentana, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    registrarClase<TMForm, &TMForm::atenderPanel>(kClasePanel, nullptr);
    comportamiento_.FormCreate(parametros);
    crearVentana();
}

TMForm::~TMForm() {
    if (ventana_ && IsWindow(ventana_) && !destruida_) {
        cerrando_ = true;
        DestroyWindow(ventana_);
    }
}

// The framed dialog's outer size: hosted, without frame or caption, the window keeps it.
SIZE TMForm::tamanoEnmarcado() const {
    const Disposicion independiente(false, Lado::Ambos);
    RECT area{0, 0, fuentes_.escala(independiente.ancho()), fuentes_.escala(independiente.alto())};
    AdjustWindowRectEx(&area, kEstiloIndependiente, FALSE, kExtendidoIndependiente);
    return {area.right - area.left, area.bottom - area.top};
}

void TMForm::crearVentana() {
    const auto disposicion = comportamiento_.disposicion();
    const SIZE exterior = tamanoEnmarcado();
    DWORD estilo = kEstiloIndependiente, extendido = kExtendidoIndependiente;
    int x = CW_USEDEFAULT, y = CW_USEDEFAULT;
    if (anfitrion_.alojada()) {
        estilo = (anfitrion_.ventana() ? WS_CHILD : WS_POPUP) | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
        extendido = WS_EX_CONTROLPARENT | WS_EX_NOPARENTNOTIFY;
        x = y = kPosicionAlojada;
    }
    ventana_ = CreateWindowExA(extendido, kClaseVentana, kTituloVentana, estilo, x, y, exterior.cx, exterior.cy,
                               anfitrion_.ventana(), nullptr, GetModuleHandleA(nullptr), this);
    if (!ventana_)
        throw ErrorAnfitrion(static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(anfitrion_.ventana())));
    dialogos_.ponerVentana(ventana_);
    SendMessageA(ventana_, WM_SETFONT, reinterpret_cast<WPARAM>(fuentes_.ventana.get()), FALSE);
    RECT contenido{};
    GetClientRect(ventana_, &contenido);
    for (const auto& panel : paneles()) {
        const auto zona = disposicion.areaEn(panel.id, contenido.right, contenido.bottom, fuentes_.escala);
        hwnd(panel.id) = CreateWindowExA(WS_EX_CONTROLPARENT, kClasePanel, panel.nombre,
                                         WS_CHILD | (disposicion.visible(panel.id) ? WS_VISIBLE : 0), zona.x, zona.y,
                                         zona.ancho, zona.alto, ventana_, nullptr, GetModuleHandleA(nullptr), this);
    }
    for (const auto& descripcion : controles()) crearControl(descripcion);
    selector_.enlazar(hwnd(IdControl::Directorios), hwnd(IdControl::Unidades), hwnd(IdControl::Label2));
    anfitrion_.vigilar(ventana_, hwnd(primerFoco(disposicion)), [this] { anfitrionDesaparecido(); });
}

void TMForm::crearControl(const Control& descripcion) {
    const HFONT fuente = fuentes_.de(descripcion);
    auto area = fuentes_.escala(descripcion.area);
    if (descripcion.area.ancho == 0) {
        const auto tamano = gdi::medirTexto(ventana_, fuente, descripcion.texto);
        area.ancho = tamano.cx;
        area.alto = tamano.cy;
    }
    if (descripcion.clase == ClaseControl::ListaUnidades) area.alto += fuentes_.escala(kAltoDesplegable);
    const auto [clase, estilo] = claseDe(descripcion);
    const HWND control = CreateWindowExA(0, clase, descripcion.texto, estilo, area.x, area.y, area.ancho, area.alto,
                                         hwnd(descripcion.panel), reinterpret_cast<HMENU>(idControl(descripcion.id)),
                                         GetModuleHandleA(nullptr), nullptr);
    hwnd(descripcion.id) = control;
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(fuente), FALSE);
}

void TMForm::mostrar() {
    ShowWindow(ventana_, SW_SHOW);
    UpdateWindow(ventana_);
    comportamiento_.FormShow();
}

// Once the host window is gone (ours with it, and its timer), the window closes as on any close,
// unless the window's destruction has told it already or it has closed.
void TMForm::anfitrionDesaparecido() {
    if (destruida_ || terminada_) return;
    destruida_ = !IsWindow(ventana_);
    comportamiento_.anfitrionDesaparecido();
}

std::optional<IdControl> TMForm::idDe(HWND control) const {
    for (std::size_t i = 0; i < controles_.size(); ++i)
        if (controles_[i] && controles_[i] == control) return static_cast<IdControl>(i);
    return std::nullopt;
}

void TMForm::enfocar(IdControl control) { SetFocus(hwnd(control)); }

void TMForm::pulsar(IdControl boton) { SendMessageA(hwnd(boton), BM_CLICK, 0, 0); }

void TMForm::cerrar() {
    if (terminada_) return;
    // Destroyed with its host: no window is left to ask, the close runs at once.
    if (destruida_) comportamiento_.FormClose();
    else SendMessageA(ventana_, WM_CLOSE, 0, 0);
}

void TMForm::terminar() {
    terminada_ = true;
    PostQuitMessage(0);
}

bool TMForm::traducirTecla(const MSG& mensaje) {
    if (mensaje.message != WM_KEYDOWN && mensaje.message != WM_SYSKEYDOWN) return false;
    if (!ventana_ || (mensaje.hwnd != ventana_ && !IsChild(ventana_, mensaje.hwnd))) return false;
    const auto enfocado = idDe(mensaje.hwnd);
    // While the drive list's drop-down is open its keys are its own.
    if (enfocado == IdControl::Unidades && SendMessageA(mensaje.hwnd, CB_GETDROPPEDSTATE, 0, 0)) return false;
    const Modificadores modificadores{(HIWORD(mensaje.lParam) & KF_ALTDOWN) != 0, pulsada(VK_CONTROL),
                                      pulsada(VK_SHIFT)};
    if (mensaje.wParam == VK_TAB && !modificadores.alt && !modificadores.control) {
        enfocar(siguienteEnTabulacion(comportamiento_.disposicion(), enfocado, modificadores.mayusculas));
        return true;
    }
    const auto tecla = teclaDe(static_cast<int>(mensaje.wParam), kCodigosTeclas);
    return tecla != Tecla::Otra && comportamiento_.teclaPulsada(tecla, modificadores, enfocado);
}

LRESULT TMForm::atenderPanel(HWND panel, UINT mensaje, WPARAM w, LPARAM l) {
    if (mensaje == WM_ERASEBKGND) return 1;
    if (mensaje == WM_PAINT) {
        pintarPanel(panel, std::ranges::find(paneles(), *idDe(panel), &Panel::id)->colores);
        return 0;
    }
    if (const auto resultado = atenderDeControl(mensaje, w, l)) return *resultado;
    return DefWindowProcA(panel, mensaje, w, l);
}

LRESULT TMForm::atender(HWND ventana, UINT mensaje, WPARAM w, LPARAM l) {
    if (const auto resultado = atenderDeControl(mensaje, w, l)) return *resultado;
    if (sonda_.atender(ventana, mensaje)) {
        cerrar();
        return 0;
    }
    switch (mensaje) {
    case WM_CLOSE:
        if (comportamiento_.FormClose()) {
            cerrando_ = true;
            DestroyWindow(ventana);
        }
        return 0;
    case WM_DESTROY:
        // Not our own close: the host window has been destroyed and ours with it.
        if (!cerrando_) {
            destruida_ = true;
            comportamiento_.anfitrionDesaparecido();
        }
        return 0;
    case WM_TIMER:
        anfitrion_.tiempo(w);
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(w) == WA_INACTIVE) anfitrion_.guardarFoco();
        else anfitrion_.restaurarFoco();
        return 0;
    default:
        return DefWindowProcA(ventana, mensaje, w, l);
    }
}

std::optional<LRESULT> TMForm::atenderDeControl(UINT mensaje, WPARAM w, LPARAM l) {
    switch (mensaje) {
    case WM_COMMAND:
        if (const auto id = idDe(reinterpret_cast<HWND>(l))) {
            if (control(*id).clase != ClaseControl::Boton) selector_.avisar(*id, HIWORD(w));
            else if (HIWORD(w) == BN_CLICKED) comportamiento_.pulsado(*id);
        }
        return 0;
    case WM_CTLCOLORSTATIC: {
        const auto texto = idDe(reinterpret_cast<HWND>(l));
        if (!texto) return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(colorearTexto(reinterpret_cast<HDC>(w), control(*texto), brochas_));
    }
    case WM_CTLCOLORLISTBOX:
        SetBkColor(reinterpret_cast<HDC>(w), colorGdi(*control(IdControl::Directorios).fondo));
        return reinterpret_cast<LRESULT>(brochas_.de(*control(IdControl::Directorios).fondo));
    case WM_MEASUREITEM:
        reinterpret_cast<MEASUREITEMSTRUCT*>(l)->itemHeight = fuentes_.escala(kAltoFila);
        return TRUE;
    case WM_DRAWITEM:
        dibujar(*reinterpret_cast<const DRAWITEMSTRUCT*>(l));
        return TRUE;
    case WM_SETCURSOR:
        // The hourglass of a transfer over the whole window.
        if (!dialogos_.ocupado()) return std::nullopt;
        SetCursor(LoadCursor(nullptr, IDC_WAIT));
        return TRUE;
    default:
        return std::nullopt;
    }
}

void TMForm::dibujar(const DRAWITEMSTRUCT& dibujo) {
    const auto id = idDe(dibujo.hwndItem);
    if (!id) return;
    if (dibujo.CtlType == ODT_BUTTON) pintarBoton(dibujo, control(*id), fuentes_);
    else selector_.dibujarFila(dibujo, *id);
}

int bucleMensajes(TMForm& ventana) {
    MSG mensaje;
    while (GetMessageA(&mensaje, nullptr, 0, 0) > 0) {
        if (ventana.traducirTecla(mensaje)) continue;
        TranslateMessage(&mensaje);
        DispatchMessageA(&mensaje);
    }
    return 0;
}

}  // namespace ttz::ui
