#pragma once

#include <QString>

#include <functional>

class AreaDeTrabalho;
class Laudo;
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
    // The same for a jornada or group file of the store.
    static void gerarDeArquivo(const QString &arquivo, Perguntador &perguntador, AreaDeTrabalho &areaDeTrabalho,
                               QWidget *pai = nullptr, const std::function<void(Resultado)> &pronto = {});

private:
    // "Dados do laudo" for `laudo`, its data kept in `arquivoDados`, then
    // the document, offered as `sugerido`.
    static void abrir(const Laudo &laudo, const QString &arquivoDados, const QString &sugerido,
                      Perguntador &perguntador, AreaDeTrabalho &areaDeTrabalho, QWidget *pai,
                      const std::function<void(Resultado)> &pronto);
};
