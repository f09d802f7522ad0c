#pragma once
// What a run leaves behind when its front end follows it: a copy of every file it replaces
// (copias.h) and its entry in the record of the runs (registro.h).
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "tables/tabla.h"
#include "transfer/copias.h"
#include "transfer/interlocutor.h"
#include "transfer/registro.h"

namespace ttz {

struct Entorno;

// Set by the front end: who runs. Filled by each run: what the batch tool prints after its
// messages, and why the record could not be written.
struct Seguimiento {
    std::string programa;  // name and version
    std::string modo;      // "independiente", "alojado en Tempalix (exportar)", "por lotes"
    std::vector<std::string> resumen = {};
    std::optional<std::string> falloRegistro = {};
};

// One followed run: it watches the table store and passes each message on, recording it.
class EjecucionSeguida : public tablas::Testigo, public Interlocutor {
public:
    // Records the start. carpeta: the working folder as a message shows it.
    EjecucionSeguida(Entorno& entorno, const std::string& direccion, const std::string& carpeta);
    ~EjecucionSeguida() override;
    EjecucionSeguida(const EjecucionSeguida&) = delete;
    EjecucionSeguida& operator=(const EjecucionSeguida&) = delete;

    void antesDeReemplazar(const std::filesystem::path& archivo) override;
    void archivoEscrito(const std::filesystem::path& archivo, std::uint32_t elementos) override;
    void mostrarMensaje(const std::string& texto) override;
    void ponerCursorOcupado() override;
    void ponerCursorNormal() override;

    // The error box's text of the error that ended the run.
    void error(const std::string& texto);
    // Records the outcome and the copy, removes the oldest copies, and reports back.
    void terminar(std::int32_t transformado);
    CopiaEjecucion& copia() { return copia_; }

private:
    void anotarResumen(const std::string& linea);

    Entorno& entorno_;
    Seguimiento& seguimiento_;
    Registro registro_;
    CopiaEjecucion copia_;
};

}  // namespace ttz
