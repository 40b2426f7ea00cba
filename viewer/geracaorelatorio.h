#pragma once

#include <QString>

#include <functional>

class AreaDeTrabalho;
class Perguntador;
class QWidget;

// The viewer's report: asks for the destination (".pdf" is appended to a
// name without a suffix), writes it (Relatorio) beside the window, behind
// a note that counts the components, and opens the file in the desktop's
// viewer. A cancelled dialog or note writes and shows nothing. Returns at
// once; `pronto` hears how it ended.
class GeracaoRelatorio
{
public:
    enum class Resultado { Escrito, Cancelado, Falhou };

    static void gerar(const QString &pastaExposicao, Perguntador &perguntador, AreaDeTrabalho &areaDeTrabalho,
                      QWidget *pai = nullptr, const std::function<void(Resultado)> &pronto = {});
};
