#pragma once

#include <QString>

class AreaDeTrabalho;
class Perguntador;
class QWidget;

// The viewer's report: asks for the destination (".pdf" is appended to a
// name without a suffix), writes it (Relatorio), and opens the file in the
// desktop's viewer, the window painting meanwhile behind a note that
// counts the components. A cancelled dialog or note writes and shows
// nothing.
class GeracaoRelatorio
{
public:
    enum class Resultado { Escrito, Cancelado, Falhou };

    static Resultado gerar(const QString &pastaExposicao, Perguntador &perguntador, AreaDeTrabalho &areaDeTrabalho,
                           QWidget *pai = nullptr);
};
