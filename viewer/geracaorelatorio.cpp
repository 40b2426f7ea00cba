#include "viewer/geracaorelatorio.h"

#include "platform/areadetrabalho.h"
#include "platform/perguntador.h"
#include "platform/trabalhoaolado.h"
#include "report/relatorio.h"

#include <QFileInfo>
#include <QPointer>
#include <QProgressDialog>
#include <QUrl>

#include <atomic>
#include <memory>

void GeracaoRelatorio::gerar(const QString &pastaExposicao, Perguntador &perguntador, AreaDeTrabalho &areaDeTrabalho,
                             QWidget *pai, const std::function<void(Resultado)> &pronto)
{
    const auto terminar = [pronto](Resultado r) {
        if (pronto)
            pronto(r);
    };
    const QString arquivo =
        perguntador.escolherArquivoParaSalvar(pai, QObject::tr("Destino do Relatório - PDF"),
                                              Relatorio::arquivoSugerido(pastaExposicao), QStringLiteral("*.pdf"),
                                              QStringLiteral("pdf"));
    if (arquivo.isEmpty()) {
        terminar(Resultado::Cancelado);
        return;
    }
    // Written on a worker thread, the window painting meanwhile; Cancelar
    // (or closing the program) stops before the next component.
    struct Escrita {
        QString erro;
        bool escrito = false;
        std::atomic<bool> cancelado{false};
    };
    const auto e = std::make_shared<Escrita>();
    auto *nota = new QProgressDialog(QString(), QObject::tr("Cancelar"), 0, 0, pai ? pai->window() : nullptr);
    TrabalhoAoLado::preparar(nota, QObject::tr("Gerar Relatório"), QObject::tr("Gerando o relatório..."), true);
    nota->setMinimumDuration(500);
    nota->setValue(0);
    QObject::connect(nota, &QProgressDialog::canceled, nota, [nota, e] {
        e->cancelado = true;
        nota->setLabelText(QObject::tr("Interrompendo: o relatório não será gravado..."));
    });
    const QPointer<QProgressDialog> aviso = nota;
    TrabalhoAoLado::esperar(
        nota,
        [e, aviso, pastaExposicao, arquivo] {
            e->escrito = Relatorio::escrever(pastaExposicao, arquivo, &e->erro, [e, aviso](int feitos, int total) {
                QMetaObject::invokeMethod(aviso, [aviso, e, feitos, total] {
                    if (e->cancelado || !aviso)
                        return;
                    aviso->setMaximum(total);
                    aviso->setValue(feitos);
                    aviso->setLabelText(
                        QObject::tr("Gerando o relatório: componente %1 de %2").arg(feitos + 1).arg(total));
                });
                return !e->cancelado && !TrabalhoAoLado::paradaPedida();
            });
        },
        [e, arquivo, pai = QPointer<QWidget>(pai), perguntador = &perguntador, areaDeTrabalho = &areaDeTrabalho,
         terminar] {
            if (!e->escrito && (e->cancelado || TrabalhoAoLado::paradaPedida())) {
                terminar(Resultado::Cancelado);
                return;
            }
            if (!e->escrito) {
                perguntador->informar(pai, QObject::tr("Gerar Relatório"),
                                      QObject::tr("Erro ao gerar relatório") + QStringLiteral("\n") + e->erro);
                terminar(Resultado::Falhou);
                return;
            }
            areaDeTrabalho->abrirOuAvisar(
                QUrl::fromLocalFile(arquivo), *perguntador, pai, QObject::tr("Gerar Relatório"),
                QObject::tr("O relatório foi gravado, mas a área de trabalho não tem um programa que o abra. Abra-o à mão:"));
            terminar(Resultado::Escrito);
        });
}
