#include "app/perguntadordialogos.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

bool PerguntadorDialogos::escolherItem(QWidget *pai, const QString &titulo,
                                       const QString &rotulo, const QStringList &itens,
                                       QString *escolhido)
{
    bool aceito = false;
    const QString item = QInputDialog::getItem(pai, titulo, rotulo, itens, 0, false, &aceito);
    if (aceito)
        *escolhido = item;
    return aceito;
}

bool PerguntadorDialogos::perguntar(QWidget *pai, const QString &titulo, const QString &texto,
                                    const QString &sim, const QString &nao)
{
    QMessageBox caixa(QMessageBox::Question, titulo, texto, QMessageBox::NoButton, pai);
    QPushButton *botaoSim = caixa.addButton(sim, QMessageBox::YesRole);
    caixa.addButton(nao, QMessageBox::NoRole);
    caixa.exec();
    return caixa.clickedButton() == botaoSim;
}

void PerguntadorDialogos::informar(QWidget *pai, const QString &titulo, const QString &texto)
{
    QMessageBox::information(pai, titulo, texto);
}

QString PerguntadorDialogos::escolherPasta(QWidget *pai, const QString &legenda,
                                           const QString &inicio)
{
    return QFileDialog::getExistingDirectory(pai, legenda, inicio,
                                             QFileDialog::ShowDirsOnly
                                                 | QFileDialog::DontResolveSymlinks);
}

QString PerguntadorDialogos::escolherArquivoParaSalvar(QWidget *pai, const QString &legenda,
                                                       const QString &inicio, const QString &filtro)
{
    return QFileDialog::getSaveFileName(pai, legenda, inicio, filtro);
}
