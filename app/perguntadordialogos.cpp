#include "app/perguntadordialogos.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

// The dialogs are made without a parent: as children they would take on
// the windows' dark style sheets (white labels on the dialogs' light
// grey). Modal to the whole program, they are placed over the window that
// asked.
void sobreAJanela(QWidget *dialogo, QWidget *pai)
{
    dialogo->setWindowModality(Qt::ApplicationModal);
    dialogo->adjustSize();
    if (pai)
        dialogo->move(pai->window()->frameGeometry().center() - dialogo->rect().center());
}

QString arquivoEscolhido(QFileDialog &dialogo, QWidget *pai)
{
    sobreAJanela(&dialogo, pai);
    return dialogo.exec() == QDialog::Accepted ? dialogo.selectedFiles().value(0) : QString();
}

} // namespace

bool PerguntadorDialogos::escolherItem(QWidget *pai, const QString &titulo,
                                       const QString &rotulo, const QStringList &itens,
                                       QString *escolhido)
{
    QInputDialog dialogo;
    dialogo.setWindowTitle(titulo);
    dialogo.setLabelText(rotulo);
    dialogo.setComboBoxItems(itens);
    dialogo.setComboBoxEditable(false);
    sobreAJanela(&dialogo, pai);
    if (dialogo.exec() != QDialog::Accepted)
        return false;
    *escolhido = dialogo.textValue();
    return true;
}

bool PerguntadorDialogos::perguntar(QWidget *pai, const QString &titulo, const QString &texto,
                                    const QString &sim, const QString &nao, Padrao padrao)
{
    QMessageBox caixa(QMessageBox::Question, titulo, texto, QMessageBox::NoButton);
    QPushButton *botaoSim = caixa.addButton(sim, QMessageBox::YesRole);
    QPushButton *botaoNao = caixa.addButton(nao, QMessageBox::NoRole);
    caixa.setDefaultButton(padrao == Padrao::Nao ? botaoNao : botaoSim);
    caixa.setEscapeButton(botaoNao);
    sobreAJanela(&caixa, pai);
    caixa.exec();
    return caixa.clickedButton() == botaoSim;
}

void PerguntadorDialogos::informar(QWidget *pai, const QString &titulo, const QString &texto)
{
    QMessageBox caixa(QMessageBox::Information, titulo, texto, QMessageBox::Ok);
    sobreAJanela(&caixa, pai);
    caixa.exec();
}

QString PerguntadorDialogos::escolherPasta(QWidget *pai, const QString &legenda,
                                           const QString &inicio)
{
    QFileDialog dialogo(nullptr, legenda, inicio);
    dialogo.setFileMode(QFileDialog::Directory);
    dialogo.setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    return arquivoEscolhido(dialogo, pai);
}

bool PerguntadorDialogos::pedirTexto(QWidget *pai, const QString &titulo, const QString &rotulo, QString *texto)
{
    QInputDialog dialogo;
    dialogo.setWindowTitle(titulo);
    dialogo.setLabelText(rotulo);
    dialogo.setTextValue(*texto);
    sobreAJanela(&dialogo, pai);
    if (dialogo.exec() != QDialog::Accepted)
        return false;
    *texto = dialogo.textValue();
    return true;
}

QString PerguntadorDialogos::escolherArquivoParaAbrir(QWidget *pai, const QString &legenda, const QString &inicio,
                                                      const QString &filtro)
{
    QFileDialog dialogo(nullptr, legenda, inicio, filtro);
    dialogo.setAcceptMode(QFileDialog::AcceptOpen);
    dialogo.setFileMode(QFileDialog::ExistingFile);
    return arquivoEscolhido(dialogo, pai);
}

QString PerguntadorDialogos::escolherArquivoParaSalvar(QWidget *pai, const QString &legenda,
                                                       const QString &inicio, const QString &filtro)
{
    // `inicio` may name the suggested file in the folder to start in.
    QFileDialog dialogo(nullptr, legenda, inicio, filtro);
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    dialogo.setFileMode(QFileDialog::AnyFile);
    return arquivoEscolhido(dialogo, pai);
}
