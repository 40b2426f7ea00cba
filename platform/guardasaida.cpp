#include "platform/guardasaida.h"

#include "platform/perguntador.h"
#include "platform/trabalhoaolado.h"

#include <QCloseEvent>
#include <QWidget>

GuardaSaida::GuardaSaida(QWidget *janela, Perguntador &perguntador)
    : QObject(janela)
    , janela(janela)
    , perguntador(perguntador)
{
    janela->installEventFilter(this);
}

bool GuardaSaida::eventFilter(QObject *objeto, QEvent *evento)
{
    if (objeto != janela || evento->type() != QEvent::Close || !TrabalhoAoLado::emAndamento())
        return false;
    evento->ignore();
    if (perguntador.perguntar(nullptr, tr("Sair"),
                              tr("Um trabalho ainda está em andamento. Deseja sair assim que ele terminar?\n"
                                 "A medida em andamento termina inteira; as seguintes não são iniciadas."),
                              tr("Sim"), tr("Não"), Perguntador::Padrao::Sim)) {
        const QPointer<QWidget> alvo = janela;
        TrabalhoAoLado::pararEDepois([alvo] {
            if (alvo)
                alvo->close();
        });
    }
    return true;
}
