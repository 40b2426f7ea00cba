#pragma once

#include <QString>

#include <functional>

class AreaDeTrabalho;
class Perguntador;
class QWidget;

// The viewer's laudo: "Dados do laudo" for the measurement, then the
// destination (PDF or ODT; ".pdf" is appended to a name without a
// suffix), the document written beside the window behind a busy note, and
// opened in the desktop's viewer. Cancelled anywhere, nothing is written
// (what the dialog stored stays). Returns at once; `pronto` hears how it
// ended.
class GeracaoLaudo
{
public:
    enum class Resultado { Escrito, Cancelado, Falhou };

    static void gerar(const QString &pastaMedida, Perguntador &perguntador, AreaDeTrabalho &areaDeTrabalho,
                      QWidget *pai = nullptr, const std::function<void(Resultado)> &pronto = {});
};
