// A host program for the hosted-mode test: one X11 window whose id it prints in hexadecimal
// (the form the tool's command line takes), then it serves events until it is ended.
#include <X11/Xlib.h>
#include <cstdio>

int main() {
    Display* pantalla = XOpenDisplay(nullptr);
    if (!pantalla) {
        std::fprintf(stderr, "anfitrion_x11: no display\n");
        return 1;
    }
    const int numero = DefaultScreen(pantalla);
    const Window ventana = XCreateSimpleWindow(pantalla, RootWindow(pantalla, numero), 40, 40, 700, 400, 0,
                                               BlackPixel(pantalla, numero), WhitePixel(pantalla, numero));
    XStoreName(pantalla, ventana, "Tempalix");
    XSelectInput(pantalla, ventana, StructureNotifyMask);
    XMapWindow(pantalla, ventana);
    for (XEvent suceso;;) {
        XNextEvent(pantalla, &suceso);
        if (suceso.type == MapNotify) break;
    }
    std::printf("%lX\n", static_cast<unsigned long>(ventana));
    std::fflush(stdout);
    for (XEvent suceso;;) XNextEvent(pantalla, &suceso);
}
