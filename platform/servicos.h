#pragma once

class AreaDeTrabalho;
class FonteVolumes;
class Perguntador;
class Reinicio;

// What the windows need from the platform and the user, handed in by the
// start-up code (or by a test).
struct Servicos {
    Perguntador *perguntador = nullptr;
    const FonteVolumes *volumes = nullptr;
    AreaDeTrabalho *areaDeTrabalho = nullptr;
    Reinicio *reinicio = nullptr;
};
