#pragma once

#include <QPointer>
#include <QString>

class QMessageBox;

// The note shown while a long operation runs: a message box without
// buttons, painted once before the work starts; at the end its text
// changes and an OK button closes it.
class CaixaProgresso
{
public:
    CaixaProgresso(const QString &titulo, const QString &texto, bool comIcone = true);
    // With `fecharSozinha` the OK button clicks itself after 1.5 s.
    void concluir(const QString &texto, bool fecharSozinha);

private:
    QPointer<QMessageBox> caixa;
};
