#include "viewer/geracaorelatorio.h"

#include "platform/areadetrabalho.h"
#include "platform/perguntador.h"
#include "platform/trabalhoaolado.h"
#include "report/relatorio.h"

#include <QFileInfo>
#include <QProgressDialog>
#include <QUrl>

#include <atomic>

GeracaoRelatorio::Resultado GeracaoRelatorio::gerar(const QString &pastaExposicao, Perguntador &perguntador,
                                                     AreaDeTrabalho &areaDeTrabalho, QWidget *pai)
{
    QString arquivo = perguntador.escolherArquivoParaSalvar(
        pai, QObject::tr("Destino do Relatório - PDF"), Relatorio::arquivoSugerido(pastaExposicao), QStringLiteral("*.pdf"));
    if (arquivo.isEmpty())
        return Resultado::Cancelado;
    if (QFileInfo(arquivo).suffix().isEmpty())
        arquivo += QStringLiteral(".pdf");
    // Written on a worker thread, the window painting meanwhile; Cancelar
    // (or closing the program) stops before the next component.
    QString erro;
    bool escrito = false;
    std::atomic<bool> cancelado{false};
    QProgressDialog nota(QString(), QObject::tr("Cancelar"), 0, 0, pai ? pai->window() : nullptr);
    TrabalhoAoLado::preparar(&nota, QObject::tr("Gerar Relatório"), QObject::tr("Gerando o relatório..."), true);
    nota.setMinimumDuration(500);
    nota.setValue(0);
    QObject::connect(&nota, &QProgressDialog::canceled, &nota, [&] {
        cancelado = true;
        nota.setLabelText(QObject::tr("Interrompendo: o relatório não será gravado..."));
    });
    TrabalhoAoLado::esperar(&nota, [&] {
        escrito = Relatorio::escrever(pastaExposicao, arquivo, &erro, [&](int feitos, int total) {
            QMetaObject::invokeMethod(&nota, [&nota, &cancelado, feitos, total] {
                if (cancelado)
                    return;
                nota.setMaximum(total);
                nota.setValue(feitos);
                nota.setLabelText(QObject::tr("Gerando o relatório: componente %1 de %2").arg(feitos + 1).arg(total));
            });
            return !cancelado && !TrabalhoAoLado::paradaPedida();
        });
    });
    // Read before the note closes: closing it counts as Cancelar.
    const bool parado = cancelado || TrabalhoAoLado::paradaPedida();
    nota.close();
    if (!escrito && parado)
        return Resultado::Cancelado;
    if (!escrito) {
        perguntador.informar(pai, QObject::tr("Gerar Relatório"),
                             QObject::tr("Erro ao gerar relatório") + QStringLiteral("\n") + erro);
        return Resultado::Falhou;
    }
    areaDeTrabalho.abrirUrl(QUrl::fromLocalFile(arquivo));
    return Resultado::Escrito;
}
