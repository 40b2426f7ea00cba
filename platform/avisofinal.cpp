#include "platform/caixaprogresso.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

CaixaProgresso::CaixaProgresso(const QString &titulo, const QString &texto, bool comIcone)
{
    // Without a parent, as a window of its own; it deletes itself when
    // closed, which the QPointer notices.
    caixa = new QMessageBox(comIcone ? QMessageBox::Information : QMessageBox::NoIcon, titulo,
                            texto, QMessageBox::NoButton);
    caixa->setStandardButtons(QMessageBox::NoButton); // or the box adds an OK button of its own
    caixa->setStyleSheet(QStringLiteral("color:black"));
    caixa->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    caixa->setAttribute(Qt::WA_DeleteOnClose);
    caixa->show();
    QCoreApplication::processEvents();
}

void CaixaProgresso::concluir(const QString &texto, bool fecharSozinha)
{
    if (!caixa)
        return;
    caixa->setText(texto);
    QAbstractButton *ok = caixa->button(QMessageBox::Ok);
    if (!ok)
        ok = caixa->addButton(QMessageBox::Ok);
    if (fecharSozinha)
        ok->animateClick(1500);
}
