#include "viewer/geracaolaudo.h"

#include "platform/areadetrabalho.h"
#include "platform/perguntador.h"
#include "platform/trabalhoaolado.h"
#include "report/documentolaudo.h"
#include "data/grupo.h"
#include "data/jornada.h"
#include "report/relatorio.h"
#include "viewer/janeladadoslaudo.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QUrl>

#include <memory>

void GeracaoLaudo::gerar(const QString &pastaMedida, Perguntador &perguntador, AreaDeTrabalho &areaDeTrabalho,
                         QWidget *pai, const std::function<void(Resultado)> &pronto)
{
    // Beside the reports: "Laudo Montador 2024-01-03 08h03.pdf".
    const QFileInfo relatorio(Relatorio::arquivoSugerido(pastaMedida));
    abrir(Laudo::montar(pastaMedida, Laudo::pastaPerfilDe(pastaMedida)), DadosLaudo::arquivo(pastaMedida),
          relatorio.absolutePath() + QLatin1Char('/') + QObject::tr("Laudo") + QLatin1Char(' ')
              + relatorio.completeBaseName() + QStringLiteral(".pdf"),
          perguntador, areaDeTrabalho, pai, pronto);
}

void GeracaoLaudo::gerarDeArquivo(const QString &arquivo, Perguntador &perguntador, AreaDeTrabalho &areaDeTrabalho,
                                  QWidget *pai, const std::function<void(Resultado)> &pronto)
{
    const bool ehJornada = Jornada::ehArquivoDeJornada(arquivo);
    Jornada jornada;
    Grupo grupo;
    DadosLaudo dados;
    QString erro;
    if (!(ehJornada ? Jornada::ler(arquivo, &jornada, &erro) : Grupo::ler(arquivo, &grupo, &erro))
        || !DadosLaudo::lerArquivo(DadosLaudo::arquivoAoLado(arquivo), &dados, &erro)) {
        perguntador.informar(pai, QObject::tr("Gerar Laudo"), erro.isEmpty() ? arquivo : erro);
        if (pronto)
            pronto(Resultado::Falhou);
        return;
    }
    const QString armazem = Jornada::armazemDe(arquivo);
    const QString perfil = QDir(armazem).filePath(QStringLiteral("Perfil"));
    abrir(ehJornada ? Laudo::montarJornada(jornada, armazem, perfil, dados) : Laudo::montarGrupo(grupo, armazem, perfil, dados),
          DadosLaudo::arquivoAoLado(arquivo),
          QDir(armazem).filePath(QStringLiteral("Arquivos PDF/")) + QObject::tr("Laudo") + QLatin1Char(' ')
              + QFileInfo(arquivo).completeBaseName() + QStringLiteral(".pdf"),
          perguntador, areaDeTrabalho, pai, pronto);
}

void GeracaoLaudo::abrir(const Laudo &laudoInicial, const QString &arquivoDados, const QString &sugerido,
                         Perguntador &perguntador, AreaDeTrabalho &areaDeTrabalho, QWidget *pai,
                         const std::function<void(Resultado)> &pronto)
{
    const auto terminar = [pronto](Resultado r) {
        if (pronto)
            pronto(r);
    };
    auto *dialogo = new JanelaDadosLaudo(laudoInicial, arquivoDados, perguntador, pai);
    dialogo->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialogo, &QDialog::rejected, dialogo, [terminar] { terminar(Resultado::Cancelado); });
    QObject::connect(dialogo, &QDialog::accepted, dialogo, [dialogo, sugerido, &perguntador, &areaDeTrabalho,
                                                            pai = QPointer<QWidget>(pai), terminar] {
        const Laudo laudo = dialogo->laudo();
        const bool graficos = dialogo->anexarGraficos();
        const QString arquivo = perguntador.escolherArquivoParaSalvar(
            pai, QObject::tr("Destino do Laudo"), sugerido, QObject::tr("PDF (*.pdf);;OpenDocument (*.odt)"),
            QStringLiteral("pdf"));
        if (arquivo.isEmpty()) {
            terminar(Resultado::Cancelado);
            return;
        }
        struct Escrita {
            QString erro;
            bool escrito = false;
        };
        const auto e = std::make_shared<Escrita>();
        // The window's language gives the numbers' and dates' form.
        const QLocale local = pai ? pai->locale() : QLocale();
        TrabalhoAoLado::executar(
            pai, QObject::tr("Gerar Laudo"), QObject::tr("Gerando o laudo..."),
            [e, laudo, arquivo, local, graficos] {
                DocumentoLaudo documento(laudo, local);
                if (graficos)
                    documento.anexarGraficos(Relatorio::figuras(laudo.pastaMedida, &e->erro).linhas);
                e->escrito = e->erro.isEmpty() && documento.escrever(arquivo, &e->erro);
            },
            [e, arquivo, pai, perguntador = &perguntador, areaDeTrabalho = &areaDeTrabalho, terminar] {
                if (!e->escrito) {
                    perguntador->informar(pai, QObject::tr("Gerar Laudo"),
                                          QObject::tr("Erro ao gerar o laudo") + QStringLiteral("\n") + e->erro);
                    terminar(Resultado::Falhou);
                    return;
                }
                areaDeTrabalho->abrirOuAvisar(
                    QUrl::fromLocalFile(arquivo), *perguntador, pai, QObject::tr("Gerar Laudo"),
                    QObject::tr("O laudo foi gravado, mas a área de trabalho não tem um programa que o abra. Abra-o à mão:"));
                terminar(Resultado::Escrito);
            });
    });
    dialogo->open();
}
