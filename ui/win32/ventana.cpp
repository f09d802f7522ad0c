#include "ui/win32/ventana.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "base/archivos.h"
#include "ui/acortar_ruta.h"
#include "ui/anfitrion.h"
#include "ui/win32/gdi.h"
#include "ui/win32/pintura.h"

namespace ttz::ui {
namespace {

constexpr const char* kClaseVentana = "TMForm";
constexpr const char* kClasePanel = "TDraw3D";
constexpr int kPrimerId = 100;
constexpr WORD kIconoPrograma = 1;  // the executable's icon resource
constexpr int kAltoDesplegable = 160;  // the drive list's drop-down
constexpr UINT_PTR kVigilanciaAnfitrion = 1;  // the host watch's timer
constexpr UINT kPeriodoVigilancia = 500;      // milliseconds between its looks at the host window
constexpr UINT kMedirArranque = WM_APP + 1;
constexpr int kHuecoTrasRotuloRuta = 3;  // between "Ruta Actual:" and the path in "MS Sans Serif"

const DWORD kEstiloIndependiente = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
const DWORD kExtendidoIndependiente = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

int idControl(IdControl id) { return kPrimerId + static_cast<int>(id); }

gdi::Fuente crearFuente(const Fuente& fuente, int puntosPorPulgada) {
    return gdi::Fuente(CreateFontA(-MulDiv(fuente.puntos, puntosPorPulgada, 72), 0, 0, 0, fuente.negrita ? FW_BOLD : FW_NORMAL,
                       FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_SWISS, fuente.familia));
}

SIZE medirTexto(HWND ventana, HFONT fuente, const std::string& texto) {
    const gdi::ContextoVentana contexto(ventana);
    const gdi::Seleccion conFuente(contexto, fuente);
    SIZE tamano{};
    GetTextExtentPoint32A(contexto, texto.c_str(), static_cast<int>(texto.size()), &tamano);
    return tamano;
}

int alturaTexto(HFONT fuente) {
    const gdi::ContextoVentana contexto(nullptr);
    const gdi::Seleccion conFuente(contexto, fuente);
    TEXTMETRICA medidas{};
    GetTextMetricsA(contexto, &medidas);
    return medidas.tmHeight;
}

void registrarClases(WNDPROC ventana, WNDPROC panel) {
    WNDCLASSA clase{};
    clase.hInstance = GetModuleHandleA(nullptr);
    clase.hCursor = LoadCursor(nullptr, IDC_ARROW);
    clase.hIcon = LoadIconA(clase.hInstance, MAKEINTRESOURCEA(kIconoPrograma));
    clase.lpfnWndProc = ventana;
    clase.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    clase.lpszClassName = kClaseVentana;
    RegisterClassA(&clase);
    clase.lpfnWndProc = panel;
    clase.hbrBackground = nullptr;
    clase.lpszClassName = kClasePanel;
    RegisterClassA(&clase);
}

HWND focoDelHilo(HWND ventana) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(ventana, nullptr), &info) ? info.hwndFocus : nullptr;
}

Tecla teclaDe(WPARAM codigo) {
    switch (codigo) {
    case VK_F1: return Tecla::F1;
    case VK_ESCAPE: return Tecla::Escape;
    case VK_RETURN: return Tecla::Intro;
    case 'S': return Tecla::S;
    default: return Tecla::Otra;
    }
}

bool pulsada(int tecla) { return GetKeyState(tecla) < 0; }

}  // namespace

TMForm::TMForm(const std::vector<std::string>& parametros, PuertosVentana puertos, DialogosWin32& dialogos)
    : dialogos_(dialogos),
      selector_(unidadesDelSistema(), [this] { informarExcepcionActual(dialogos_); }),
      comportamiento_(*this, std::move(puertos)) {
    registrarClases(&TMForm::procVentana, &TMForm::procPanel);
    crearFuentes();
    comportamiento_.FormCreate(parametros);
    crearVentana();
}

TMForm::~TMForm() {
    if (ventana_ && IsWindow(ventana_) && !destruida_) {
        cerrando_ = true;
        DestroyWindow(ventana_);
    }
}

// Sizes at 96 dots per inch scale by the window font's text height over 13.
void TMForm::crearFuentes() {
    const int puntosPorPulgada = GetDeviceCaps(gdi::ContextoVentana(nullptr), LOGPIXELSY);
    fuenteVentana_ = crearFuente(kFuenteVentana, puntosPorPulgada);
    fuenteNegrita_ = crearFuente({kFuenteVentana.familia, kFuenteVentana.puntos, true}, puntosPorPulgada);
    fuenteRotulo_ = crearFuente(*control(IdControl::Label3).fuente, puntosPorPulgada);
    escala_ = Escala::porAlturaTexto(alturaTexto(fuenteVentana_.get()));
}

void TMForm::entrarEnAnfitrion(std::uint32_t manejador) {
    const auto anfitrion = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(manejador));
    if (anfitrion && !IsWindow(anfitrion)) throw ErrorAnfitrion(manejador);
    alojada_ = true;
    anfitrion_ = anfitrion;
}

// The framed dialog's outer size: hosted, without frame or caption, the window keeps it.
SIZE TMForm::tamanoEnmarcado() const {
    const Disposicion independiente(false, Lado::Ambos);
    RECT area{0, 0, escala_(independiente.ancho()), escala_(independiente.alto())};
    AdjustWindowRectEx(&area, kEstiloIndependiente, FALSE, kExtendidoIndependiente);
    return {area.right - area.left, area.bottom - area.top};
}

void TMForm::crearVentana() {
    const auto disposicion = comportamiento_.disposicion();
    const SIZE exterior = tamanoEnmarcado();
    DWORD estilo = kEstiloIndependiente, extendido = kExtendidoIndependiente;
    int x = CW_USEDEFAULT, y = CW_USEDEFAULT;
    if (alojada_) {
        estilo = (anfitrion_ ? WS_CHILD : WS_POPUP) | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
        extendido = WS_EX_CONTROLPARENT | WS_EX_NOPARENTNOTIFY;
        x = y = kPosicionAlojada;
    }
    ventana_ = CreateWindowExA(extendido, kClaseVentana, kTituloVentana, estilo, x, y, exterior.cx, exterior.cy,
                               anfitrion_, nullptr, GetModuleHandleA(nullptr), this);
    if (!ventana_) throw ErrorAnfitrion(static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(anfitrion_)));
    dialogos_.ponerVentana(ventana_);
    SendMessageA(ventana_, WM_SETFONT, reinterpret_cast<WPARAM>(fuenteVentana_.get()), FALSE);
    RECT contenido{};
    GetClientRect(ventana_, &contenido);
    for (const auto& panel : paneles()) {
        const auto zona = disposicion.areaEn(panel.id, contenido.right, contenido.bottom, escala_);
        hwnd(panel.id) = CreateWindowExA(WS_EX_CONTROLPARENT, kClasePanel, panel.nombre,
                                         WS_CHILD | (disposicion.visible(panel.id) ? WS_VISIBLE : 0), zona.x, zona.y,
                                         zona.ancho, zona.alto, ventana_, nullptr, GetModuleHandleA(nullptr), this);
    }
    for (const auto& descripcion : controles()) crearControl(descripcion);
    actualizarSelector();
    if (anfitrion_) SetTimer(ventana_, kVigilanciaAnfitrion, kPeriodoVigilancia, nullptr);
}

HFONT TMForm::fuenteDe(const Control& descripcion) const {
    if (!descripcion.fuente) return fuenteVentana_.get();
    return (std::string_view(descripcion.fuente->familia) == kFuenteVentana.familia ? fuenteNegrita_ : fuenteRotulo_).get();
}

void TMForm::crearControl(const Control& descripcion) {
    const char* clase = "STATIC";
    DWORD estilo = WS_CHILD | WS_VISIBLE;
    switch (descripcion.clase) {
    case ClaseControl::Texto:
        estilo |= SS_NOPREFIX | (descripcion.ajustado ? SS_LEFT : SS_LEFTNOWORDWRAP);
        break;
    case ClaseControl::Boton:
        clase = "BUTTON";
        estilo |= WS_TABSTOP | (descripcion.glifo != Glifo::Ninguno ? BS_OWNERDRAW : BS_PUSHBUTTON);
        break;
    case ClaseControl::ListaCarpetas:
        clase = "LISTBOX";
        estilo |= WS_TABSTOP | WS_VSCROLL | WS_BORDER | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY |
                  LBS_NOINTEGRALHEIGHT;
        break;
    case ClaseControl::ListaUnidades:
        clase = "COMBOBOX";
        estilo |= WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS;
        break;
    }
    const HFONT fuente = fuenteDe(descripcion);
    auto area = escala_(descripcion.area);
    if (descripcion.area.ancho == 0) {
        const auto tamano = medirTexto(ventana_, fuente, descripcion.texto);
        area.ancho = tamano.cx;
        area.alto = tamano.cy;
    }
    if (descripcion.id == IdControl::Label2) area.x = std::max(area.x, finDeRotuloRuta());
    if (descripcion.clase == ClaseControl::ListaUnidades) area.alto += escala_(kAltoDesplegable);
    const HWND control = CreateWindowExA(0, clase, descripcion.texto, estilo, area.x, area.y, area.ancho, area.alto,
                                         hwnd(descripcion.panel), reinterpret_cast<HMENU>(idControl(descripcion.id)),
                                         GetModuleHandleA(nullptr), nullptr);
    hwnd(descripcion.id) = control;
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(fuente), FALSE);
    if (descripcion.clase == ClaseControl::ListaUnidades) {
        // The closed drop-down is as high as the control table says.
        RECT cerrada{};
        GetWindowRect(control, &cerrada);
        const int extra = (cerrada.bottom - cerrada.top) - static_cast<int>(SendMessageA(control, CB_GETITEMHEIGHT, -1, 0));
        SendMessageA(control, CB_SETITEMHEIGHT, -1, escala_(descripcion.area.alto) - extra);
        for (const auto& unidad : selector_.unidades()) SendMessageA(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(unidad.texto.c_str()));
    }
}

// Where "Ruta Actual:" ends, with the gap that it leaves in its own font: a substitute font
// that is wider pushes the path label to the right instead of under it.
int TMForm::finDeRotuloRuta() {
    RECT rotulo{};
    GetWindowRect(hwnd(IdControl::Label6), &rotulo);
    MapWindowPoints(nullptr, hwnd(IdControl::Draw3D1), reinterpret_cast<POINT*>(&rotulo), 2);
    return rotulo.right + escala_(kHuecoTrasRotuloRuta);
}

void TMForm::mostrar() {
    ShowWindow(ventana_, SW_SHOW);
    UpdateWindow(ventana_);
    comportamiento_.FormShow();
}

std::optional<IdControl> TMForm::idDe(HWND control) const {
    for (std::size_t i = 0; i < controles_.size(); ++i)
        if (controles_[i] && controles_[i] == control) return static_cast<IdControl>(i);
    return std::nullopt;
}

void TMForm::enfocar(IdControl control) { SetFocus(hwnd(control)); }

void TMForm::guardarFoco() {
    const HWND foco = GetFocus();
    if (foco && IsChild(ventana_, foco)) foco_ = foco;
}

// Hosted, the window is a child and is never activated itself: the focus that its controls take
// is kept; when the host's window is active again keeping the focus for itself, as a window
// without a dialog's manners does, the control that had it last has it again.
void TMForm::seguirFocoAlojada() {
    const HWND raiz = GetAncestor(ventana_, GA_ROOT);
    const HWND foco = focoDelHilo(raiz);
    if (foco && IsChild(ventana_, foco)) foco_ = foco;
    else if (foco_ && foco == raiz && GetForegroundWindow() == raiz) restaurarFoco();
}

void TMForm::restaurarFoco() {
    if (foco_ && IsWindow(foco_) && IsWindowVisible(foco_)) SetFocus(foco_);
    else enfocar(primerFoco(comportamiento_.disposicion()));
}

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
    const auto tecla = teclaDe(mensaje.wParam);
    return tecla != Tecla::Otra && comportamiento_.teclaPulsada(tecla, modificadores, enfocado);
}

void TMForm::medirArranque(std::chrono::steady_clock::time_point inicio) {
    const char* medir = std::getenv("TTZ_MEDIR_ARRANQUE");
    if (medir && *medir) medirDesde_ = inicio;
}

LRESULT CALLBACK TMForm::procVentana(HWND ventana, UINT mensaje, WPARAM w, LPARAM l) {
    if (mensaje == WM_NCCREATE)
        SetWindowLongPtrA(ventana, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(l)->lpCreateParams));
    auto* forma = reinterpret_cast<TMForm*>(GetWindowLongPtrA(ventana, GWLP_USERDATA));
    return forma ? forma->atender(ventana, mensaje, w, l) : DefWindowProcA(ventana, mensaje, w, l);
}

LRESULT CALLBACK TMForm::procPanel(HWND panel, UINT mensaje, WPARAM w, LPARAM l) {
    if (mensaje == WM_NCCREATE)
        SetWindowLongPtrA(panel, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(l)->lpCreateParams));
    auto* forma = reinterpret_cast<TMForm*>(GetWindowLongPtrA(panel, GWLP_USERDATA));
    if (!forma) return DefWindowProcA(panel, mensaje, w, l);
    if (mensaje == WM_ERASEBKGND) return 1;
    if (mensaje == WM_PAINT) {
        PAINTSTRUCT pintura;
        const HDC contexto = BeginPaint(panel, &pintura);
        RECT area;
        GetClientRect(panel, &area);
        const auto id = *forma->idDe(panel);
        pintarPanel(contexto, {area.right, area.bottom}, std::ranges::find(paneles(), id, &Panel::id)->colores);
        EndPaint(panel, &pintura);
        return 0;
    }
    if (const auto resultado = forma->atenderDeControl(mensaje, w, l)) return *resultado;
    return DefWindowProcA(panel, mensaje, w, l);
}

LRESULT TMForm::atender(HWND ventana, UINT mensaje, WPARAM w, LPARAM l) {
    if (const auto resultado = atenderDeControl(mensaje, w, l)) return *resultado;
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
        if (w == kVigilanciaAnfitrion) vigilarAnfitrion();
        return 0;
    case WM_ACTIVATE:
        // As a dialog does: the focused control is kept while the window is inactive and has the
        // focus again when it is activated.
        if (LOWORD(w) == WA_INACTIVE) guardarFoco();
        else restaurarFoco();
        return 0;
    case WM_PAINT:
        if (medirDesde_) PostMessageA(ventana, kMedirArranque, 0, 0);
        break;
    case kMedirArranque:
        if (medirDesde_) {
            const auto transcurrido = std::chrono::steady_clock::now() - *medirDesde_;
            medirDesde_.reset();
            std::printf("%.1f\n", std::chrono::duration<double, std::milli>(transcurrido).count());
            std::fflush(stdout);
            cerrar();
        }
        return 0;
    default:
        break;
    }
    return DefWindowProcA(ventana, mensaje, w, l);
}

std::optional<LRESULT> TMForm::atenderDeControl(UINT mensaje, WPARAM w, LPARAM l) {
    switch (mensaje) {
    case WM_COMMAND:
        if (const auto id = idDe(reinterpret_cast<HWND>(l))) ordenDeControl(*id, HIWORD(w));
        return 0;
    case WM_CTLCOLORSTATIC:
        return colorearTexto(reinterpret_cast<HDC>(w), reinterpret_cast<HWND>(l));
    case WM_CTLCOLORLISTBOX:
        SetBkColor(reinterpret_cast<HDC>(w), colorGdi(*control(IdControl::Directorios).fondo));
        return reinterpret_cast<LRESULT>(brocha(*control(IdControl::Directorios).fondo));
    case WM_MEASUREITEM:
        reinterpret_cast<MEASUREITEMSTRUCT*>(l)->itemHeight = escala_(kAltoFila);
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

void TMForm::ordenDeControl(IdControl id, int aviso) {
    const auto& descripcion = control(id);
    if (descripcion.clase == ClaseControl::Boton && aviso == BN_CLICKED) return comportamiento_.pulsado(id);
    if (id == IdControl::Directorios && aviso == LBN_DBLCLK) {
        const auto fila = SendMessageA(hwnd(id), LB_GETCURSEL, 0, 0);
        if (fila == LB_ERR) return;
        ejecutarProtegido(dialogos_, [&] {
            if (selector_.abrirFila(static_cast<std::size_t>(fila))) actualizarSelector();
        });
    }
    const bool elegida = aviso == CBN_SELENDOK || (aviso == CBN_SELCHANGE && !SendMessageA(hwnd(id), CB_GETDROPPEDSTATE, 0, 0));
    if (id == IdControl::Unidades && elegida) {
        const auto unidad = SendMessageA(hwnd(id), CB_GETCURSEL, 0, 0);
        if (unidad == CB_ERR) return;
        // A drive that cannot be entered stays chosen while the folder list stays where it was.
        ejecutarProtegido(dialogos_, [&] {
            if (selector_.elegirUnidad(static_cast<std::size_t>(unidad))) actualizarSelector();
        });
    }
}

HBRUSH TMForm::brocha(ColorRGB color) {
    const COLORREF rgb = colorGdi(color);
    const auto hallada = std::ranges::find(brochas_, rgb, &std::pair<COLORREF, gdi::Brocha>::first);
    if (hallada != brochas_.end()) return hallada->second.get();
    return brochas_.emplace_back(rgb, CreateSolidBrush(rgb)).second.get();
}

// Texts in their colour, over their own background or over the panel's blend.
LRESULT TMForm::colorearTexto(HDC contexto, HWND texto) {
    const auto id = idDe(texto);
    if (!id) return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    const auto& descripcion = control(*id);
    SetTextColor(contexto, descripcion.colorTexto ? colorGdi(*descripcion.colorTexto) : GetSysColor(COLOR_WINDOWTEXT));
    if (descripcion.fondo) {
        SetBkColor(contexto, colorGdi(*descripcion.fondo));
        return reinterpret_cast<LRESULT>(brocha(*descripcion.fondo));
    }
    SetBkMode(contexto, TRANSPARENT);
    return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
}

void TMForm::dibujar(const DRAWITEMSTRUCT& dibujo) {
    const auto id = idDe(dibujo.hwndItem);
    if (!id) return;
    if (dibujo.CtlType == ODT_BUTTON) dibujarBoton(dibujo, *id);
    else dibujarFila(dibujo, *id == IdControl::Directorios);
}

// A push button with its glyph left of its text; a default button has a dark outer line.
void TMForm::dibujarBoton(const DRAWITEMSTRUCT& dibujo, IdControl id) {
    const auto& descripcion = control(id);
    const HDC contexto = dibujo.hDC;
    RECT area = dibujo.rcItem;
    if (descripcion.predeterminado) {
        FrameRect(contexto, &area, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        InflateRect(&area, -1, -1);
    }
    const bool hundido = dibujo.itemState & ODS_SELECTED;
    DrawFrameControl(contexto, &area, DFC_BUTTON, DFCS_BUTTONPUSH | (hundido ? DFCS_PUSHED : 0));
    if (hundido) OffsetRect(&area, 1, 1);
    char texto[32] = "";
    GetWindowTextA(dibujo.hwndItem, texto, sizeof texto);
    dibujarTextoConGlifo(contexto, area, texto, descripcion.glifo);
    if (dibujo.itemState & ODS_FOCUS) {
        RECT foco = dibujo.rcItem;
        InflateRect(&foco, -4, -4);
        DrawFocusRect(contexto, &foco);
    }
}

// The glyph left of the text, the two centred together.
void TMForm::dibujarTextoConGlifo(HDC contexto, RECT area, const char* texto, Glifo glifo) {
    const gdi::Seleccion conFuente(contexto, fuenteVentana_.get());
    RECT medida{};
    DrawTextA(contexto, texto, -1, &medida, DT_CALCRECT | DT_SINGLELINE);
    const int lado = escala_(kLadoGlifo), hueco = escala_(4);
    const int ancho = lado + hueco + medida.right;
    const int x = area.left + ((area.right - area.left) - ancho) / 2;
    pintarGlifo(contexto, x, area.top + ((area.bottom - area.top) - lado) / 2, lado / double(kLadoGlifo), glifo);
    RECT zonaTexto{x + lado + hueco, area.top, area.right, area.bottom};
    SetBkMode(contexto, TRANSPARENT);
    SetTextColor(contexto, GetSysColor(COLOR_BTNTEXT));
    DrawTextA(contexto, texto, -1, &zonaTexto, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
}

// A row of the folder list (icon at its indent, text 4 pixels after it, only the text
// highlighted) or of the drive list.
void TMForm::dibujarFila(const DRAWITEMSTRUCT& dibujo, bool carpeta) {
    const HDC contexto = dibujo.hDC;
    const ColorRGB fondo = *control(IdControl::Directorios).fondo;
    FillRect(contexto, &dibujo.rcItem, brocha(fondo));
    if (dibujo.itemID == static_cast<UINT>(-1)) return;
    const double factor = escala_(kAltoFila) / double(kAltoFila);
    int x = dibujo.rcItem.left + escala_(2);
    const int y = dibujo.rcItem.top;
    std::string texto;
    if (carpeta && dibujo.itemID < selector_.filas().size()) {
        const auto& fila = selector_.filas()[dibujo.itemID];
        x = dibujo.rcItem.left + escala_(fila.sangria);
        pintarIconoCarpeta(contexto, x, y, factor, fila.icono);
        texto = fila.nombre;
    } else if (!carpeta && dibujo.itemID < selector_.unidades().size()) {
        const auto& unidad = selector_.unidades()[dibujo.itemID];
        pintarIconoUnidad(contexto, x, y + (dibujo.rcItem.bottom - y - escala_(15)) / 2, factor, unidad.tipo);
        texto = unidad.texto;
    }
    const gdi::Seleccion conFuente(contexto, fuenteVentana_.get());
    RECT zona{x + escala_(kAnchoIcono + kSeparacionTexto), y, dibujo.rcItem.right, dibujo.rcItem.bottom};
    RECT medida = zona;
    DrawTextA(contexto, texto.c_str(), -1, &medida, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    zona.right = std::min(zona.right, medida.right + escala_(2));
    const bool elegida = dibujo.itemState & ODS_SELECTED;
    if (elegida) FillRect(contexto, &zona, GetSysColorBrush(COLOR_HIGHLIGHT));
    SetBkMode(contexto, TRANSPARENT);
    SetTextColor(contexto, GetSysColor(elegida ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    RECT interior{zona.left + 1, zona.top, zona.right, zona.bottom};
    DrawTextA(contexto, texto.c_str(), -1, &interior, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (dibujo.itemState & ODS_FOCUS) DrawFocusRect(contexto, &zona);
}

void TMForm::actualizarSelector() {
    const HWND lista = hwnd(IdControl::Directorios);
    SendMessageA(lista, WM_SETREDRAW, FALSE, 0);
    SendMessageA(lista, LB_RESETCONTENT, 0, 0);
    for (const auto& fila : selector_.filas()) SendMessageA(lista, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(fila.nombre.c_str()));
    const auto actual = static_cast<WPARAM>(selector_.filaActual());
    SendMessageA(lista, LB_SETCURSEL, actual, 0);
    // The current folder's row at the bottom, so that as many path rows above it as fit are seen.
    RECT area{};
    GetClientRect(lista, &area);
    const int visibles = std::max(1, static_cast<int>(area.bottom / escala_(kAltoFila)));
    SendMessageA(lista, LB_SETTOPINDEX, static_cast<WPARAM>(std::max(0, static_cast<int>(actual) - visibles + 1)), 0);
    SendMessageA(lista, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(lista, nullptr, TRUE);
    SendMessageA(hwnd(IdControl::Unidades), CB_SETCURSEL, static_cast<WPARAM>(selector_.unidadActual()), 0);
    actualizarRuta();
}

// Label2: the current folder, shortened to the folder list's width; transparent, so the panel
// repaints beneath the old and the new text.
void TMForm::actualizarRuta() {
    const HWND etiqueta = hwnd(IdControl::Label2);
    const HWND panel = hwnd(IdControl::Draw3D1);
    const auto medir = [&](const std::string& texto) { return static_cast<int>(medirTexto(etiqueta, fuenteNegrita_.get(), texto).cx); };
    const auto texto = acortarRuta(selector_.actual(), escala_(control(IdControl::Directorios).area.ancho), medir,
                                   separadorCarpetas());
    RECT antes{};
    GetWindowRect(etiqueta, &antes);
    MapWindowPoints(nullptr, panel, reinterpret_cast<POINT*>(&antes), 2);
    const auto tamano = medirTexto(etiqueta, fuenteNegrita_.get(), texto);
    SetWindowTextA(etiqueta, texto.c_str());
    SetWindowPos(etiqueta, nullptr, 0, 0, tamano.cx, tamano.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT despues{antes.left, antes.top, antes.left + tamano.cx, antes.top + tamano.cy};
    UnionRect(&antes, &antes, &despues);
    RedrawWindow(panel, &antes, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

// The host watch: once the host window is gone (ours with it, and its timer), the window
// closes as on any close; meanwhile the focus is followed.
void TMForm::vigilarAnfitrion() {
    if (IsWindow(anfitrion_)) return seguirFocoAlojada();
    KillTimer(ventana_, kVigilanciaAnfitrion);
    // Told already by the window's destruction, or closed.
    if (destruida_ || terminada_) return;
    destruida_ = !IsWindow(ventana_);
    comportamiento_.anfitrionDesaparecido();
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
