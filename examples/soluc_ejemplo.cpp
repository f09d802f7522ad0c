#include "examples/soluc_ejemplo.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "base/texto.h"

namespace ttz::ejemplos {
namespace {

using tablas::DefinicionCampo;
using tablas::ModoApertura;

struct Tramo {
    int hora, dia;
    auto operator<=>(const Tramo&) const = default;
};

struct Leccion {
    Tramo tramo;
    std::string profesor, grupo, asignatura, aula;
};

// 1-7 for a digit or a weekday initial; 0 for anything else.
int numeroDeDia(const std::string& dia) {
    static const std::string kIniciales = "LMXJVSD";
    if (dia.size() != 1) return 0;
    if (dia[0] >= '1' && dia[0] <= '7') return dia[0] - '0';
    const auto posicion = kIniciales.find(dia[0]);
    return posicion == std::string::npos ? 0 : static_cast<int>(posicion) + 1;
}

// Distinct slots, first hour of every day before the second.
std::vector<Tramo> leerTramos(tablas::AlmacenTablas& almacen) {
    std::set<Tramo> tramos;
    auto tabla = almacen.abrir("DIASHORAST", ModoApertura::SoloLecturaCompartida);
    for (tabla->primero(); !tabla->finDeTabla(); tabla->siguiente()) {
        const int dia = numeroDeDia(tabla->comoTexto("DIA"));
        if (dia != 0) tramos.insert({aEntero(tabla->comoTexto("HORA")), dia});
    }
    tabla->cerrar();
    return {tramos.begin(), tramos.end()};
}

std::vector<std::string> leerCodigos(tablas::AlmacenTablas& almacen, const std::string& nombre) {
    std::vector<std::string> codigos;
    auto tabla = almacen.abrir(nombre, ModoApertura::SoloLecturaCompartida);
    for (tabla->primero(); !tabla->finDeTabla(); tabla->siguiente()) codigos.push_back(tabla->comoTexto("ABREV"));
    tabla->cerrar();
    return codigos;
}

// Hands out codes in turn; a code already busy in a slot is skipped while a free one remains.
class Reparto {
public:
    explicit Reparto(std::vector<std::string> codigos) : codigos_(std::move(codigos)) {}

    std::string asignar(const Tramo& tramo) {
        if (codigos_.empty()) return {};
        for (std::size_t intento = 0; intento < codigos_.size(); ++intento) {
            const std::string& codigo = codigos_[(siguiente_ + intento) % codigos_.size()];
            if (ocupados_.insert({codigo, tramo}).second) {
                siguiente_ = (siguiente_ + intento + 1) % codigos_.size();
                return codigo;
            }
        }
        return codigos_[siguiente_++ % codigos_.size()];
    }

private:
    std::vector<std::string> codigos_;
    std::size_t siguiente_ = 0;
    std::set<std::pair<std::string, Tramo>> ocupados_;
};

std::vector<Leccion> colocar(tablas::AlmacenTablas& almacen, const std::vector<Tramo>& tramos) {
    Reparto profesores(leerCodigos(almacen, "PROFT"));
    Reparto aulas(leerCodigos(almacen, "AULAT"));
    std::map<std::string, std::size_t> siguienteDelGrupo;
    std::vector<Leccion> lecciones;
    auto asignaciones = almacen.abrir("ASIGT", ModoApertura::SoloLecturaCompartida);
    for (asignaciones->primero(); !asignaciones->finDeTabla(); asignaciones->siguiente()) {
        const std::string grupo = asignaciones->comoTexto("CGRUP");
        const std::string asignatura = asignaciones->comoTexto("CASIG");
        const int horas = std::max(1, static_cast<int>(std::ceil(asignaciones->comoFlotante("HORAS"))));
        for (int hora = 0; hora < horas && !tramos.empty(); ++hora) {
            const Tramo& tramo = tramos[siguienteDelGrupo[grupo]++ % tramos.size()];
            lecciones.push_back({tramo, profesores.asignar(tramo), grupo, asignatura, aulas.asignar(tramo)});
        }
    }
    asignaciones->cerrar();
    return lecciones;
}

void escribirSoluc(tablas::AlmacenTablas& almacen, const std::vector<Leccion>& lecciones) {
    auto soluc = almacen.recrear("SOLUC", {DefinicionCampo::entero("DIA"), DefinicionCampo::entero("HORA"),
                                           DefinicionCampo::texto("PROF", 4), DefinicionCampo::texto("CODGRUPO", 4),
                                           DefinicionCampo::texto("ASIG", 4), DefinicionCampo::texto("AULA", 4)});
    for (const auto& leccion : lecciones) {
        soluc->anadir();
        soluc->ponerFlotante("DIA", leccion.tramo.dia);
        soluc->ponerFlotante("HORA", leccion.tramo.hora);
        soluc->ponerTexto("PROF", leccion.profesor);
        soluc->ponerTexto("CODGRUPO", leccion.grupo);
        soluc->ponerTexto("ASIG", leccion.asignatura);
        soluc->ponerTexto("AULA", leccion.aula);
        soluc->grabar();
    }
    soluc->cerrar();
}

}  // namespace

std::size_t generarSoluc(tablas::AlmacenTablas& almacen) {
    const auto lecciones = colocar(almacen, leerTramos(almacen));
    escribirSoluc(almacen, lecciones);
    return lecciones.size();
}

}  // namespace ttz::ejemplos
