#include <windows.h>

#include "fallos/procesos.h"

namespace ttz::pruebas {
namespace {

// The exit status that matar() gives the process; the batch tool's own are below 256.
constexpr UINT kEstadoAlMatar = 0xDEAD;

// One argument as the C runtime of the child splits the command line again: in quotes, with
// the backslashes before a quote doubled and the quote escaped.
std::wstring citarArgumento(const std::string& argumento) {
    std::wstring citado = L"\"";
    std::size_t barras = 0;
    for (const char c : argumento) {
        if (c == '\\') {
            ++barras;
            continue;
        }
        citado.append(c == '"' ? 2 * barras + 1 : barras, L'\\');
        barras = 0;
        citado += static_cast<wchar_t>(static_cast<unsigned char>(c));
    }
    citado.append(2 * barras, L'\\');
    return citado + L'"';
}

}  // namespace

Proceso lanzar(const std::vector<std::string>& argumentos) {
    std::wstring linea;
    for (const auto& argumento : argumentos) linea += (linea.empty() ? L"" : L" ") + citarArgumento(argumento);
    SECURITY_ATTRIBUTES heredable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    const HANDLE nulo = CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &heredable,
                                    OPEN_EXISTING, 0, nullptr);
    STARTUPINFOW inicio{};
    inicio.cb = sizeof inicio;
    inicio.dwFlags = STARTF_USESTDHANDLES;
    inicio.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    inicio.hStdOutput = inicio.hStdError = nulo;
    PROCESS_INFORMATION proceso{};
    const BOOL lanzado =
        CreateProcessW(nullptr, linea.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &inicio, &proceso);
    CloseHandle(nulo);
    if (!lanzado) return -1;
    CloseHandle(proceso.hThread);
    return reinterpret_cast<Proceso>(proceso.hProcess);
}

void matar(Proceso proceso) { TerminateProcess(reinterpret_cast<HANDLE>(proceso), kEstadoAlMatar); }

FinHijo esperar(Proceso hijo) {
    const HANDLE proceso = reinterpret_cast<HANDLE>(hijo);
    DWORD estado = 0;
    const bool terminado = WaitForSingleObject(proceso, INFINITE) == WAIT_OBJECT_0 && GetExitCodeProcess(proceso, &estado);
    CloseHandle(proceso);
    if (!terminado) return {};
    if (estado == kEstadoAlMatar) return {true, -1};
    return {false, static_cast<int>(estado)};
}

}  // namespace ttz::pruebas
