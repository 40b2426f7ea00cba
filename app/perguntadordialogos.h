#pragma once

#include "platform/perguntador.h"

// Asks through the toolkit's standard dialogs.
class PerguntadorDialogos : public Perguntador
{
public:
    bool escolherItem(QWidget *pai, const QString &titulo, const QString &rotulo,
                      const QStringList &itens, QString *escolhido) override;
    bool perguntar(QWidget *pai, const QString &titulo, const QString &texto, const QString &sim,
                   const QString &nao, Padrao padrao) override;
    void informar(QWidget *pai, const QString &titulo, const QString &texto) override;
    QString escolherPasta(QWidget *pai, const QString &legenda, const QString &inicio) override;
    bool pedirTexto(QWidget *pai, const QString &titulo, const QString &rotulo, QString *texto) override;
    QString escolherArquivoParaAbrir(QWidget *pai, const QString &legenda, const QString &inicio,
                                     const QString &filtro) override;
    QString escolherArquivoParaSalvar(QWidget *pai, const QString &legenda, const QString &inicio,
                                      const QString &filtro) override;
};
