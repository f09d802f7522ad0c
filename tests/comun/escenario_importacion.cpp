#include "comun/escenario_importacion.h"

#include "import/importacion.h"

namespace ttz::pruebas {

using tablas::DefinicionCampo;

EscenarioImportacion::EscenarioImportacion() : almacen(datos.ruta(), ',') {}

std::vector<DefinicionCampo> EscenarioImportacion::camposSoluc(int anchoCodigos) {
    return {DefinicionCampo::entero("DIA"), DefinicionCampo::entero("HORA"),
            DefinicionCampo::texto("PROF", anchoCodigos), DefinicionCampo::texto("CODGRUPO", anchoCodigos),
            DefinicionCampo::texto("ASIG", anchoCodigos), DefinicionCampo::texto("AULA", anchoCodigos)};
}

std::vector<DefinicionCampo> EscenarioImportacion::camposTramos() {
    return {DefinicionCampo::texto("DIA", 20), DefinicionCampo::texto("HORA", 8),
            DefinicionCampo::texto("CODDIHO", 10)};
}

void EscenarioImportacion::crearTabla(const std::string& nombre, const std::vector<DefinicionCampo>& campos,
                                      const Registros& registros) {
    auto tabla = almacen.recrear(nombre, campos);
    for (const auto& registro : registros) {
        tabla->anadir();
        for (std::size_t i = 0; i < registro.size(); ++i) {
            if (registro[i].empty()) continue;
            if (campos[i].tipo == tablas::TipoCampo::Texto) {
                tabla->ponerTexto(campos[i].nombre, registro[i]);
            } else {
                tabla->ponerFlotante(campos[i].nombre, std::stod(registro[i]));
            }
        }
        tabla->grabar();
    }
    tabla->cerrar();
}

void EscenarioImportacion::crearTramos(const Registros& tramos) { crearTabla("DIASHORAST", camposTramos(), tramos); }

void EscenarioImportacion::crearTablasSinLeer() {
    for (const char* nombre : {"GRUPOST", "PROFT", "AULAT", "ASIGNOMT"}) {
        crearTabla(nombre, {DefinicionCampo::texto("ABREV", 4)}, {});
    }
}

void EscenarioImportacion::escribirAsignaturas(const std::string& cabecera) {
    zeda.escribir("zeda_asignat.txt", cabecera + "\r\n1MAT MATEMATICAS\r\n9FIN\r\n");
}

void EscenarioImportacion::escribirSesiones(const std::string& segundaLinea) {
    zeda.escribir("zeda_sesiones.txt", "0ZEDA_SESIONES.TXT\r\n" + segundaLinea + "\r\n9FIN\r\n");
}

void EscenarioImportacion::prepararBasico() {
    escribirAsignaturas("0ZEDA_ASIGNAT.TXT" + std::string(34, ' ') + "28001234");
    escribirSesiones("1   T01 308000900");
    crearSoluc({});
    crearTramos({});
    crearTablasSinLeer();
}

FinTransferencia EscenarioImportacion::importar() {
    return importacion::ejecutarImportacion(zeda.conSeparador(), entorno);
}

std::string EscenarioImportacion::horario() const { return leerBytes(zeda / "ZEDA_HORARIO.TXT"); }

std::string cabeceraEsperada(const std::string& codigo8, const std::string& fecha) {
    return "0ZEDA_HORARIO.TXT" + std::string(34, ' ') + codigo8 + fecha;
}

std::string pieEsperado(const std::string& codigo8, const std::string& cuenta, const std::string& fecha) {
    return "9ZEDA_HORARIO.TXT" + std::string(34, ' ') + codigo8 + fecha + cuenta;
}

std::string conSaltos(const std::vector<std::string>& lineas) {
    std::string texto;
    for (const auto& linea : lineas) texto += linea + "\r\n";
    return texto;
}

}  // namespace ttz::pruebas
