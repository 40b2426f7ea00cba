#include "app/textosinstrumento.h"

#include "data/acessararquivo.h"
#include "data/layoutmedida.h"

#include <QCoreApplication>

// The main window's texts, in its translation context.
namespace TextosInstrumento {

QString falha(const Download::Relatorio &r)
{
    const QString nome = LayoutMedida::nomePasta(r.pastaInstrumento);
    QString texto;
    switch (r.resultado) {
    case Download::Resultado::Baixado:
        return QString();
    case Download::Resultado::SemExposicao:
        texto = QCoreApplication::translate("MainWindow", "%1: a pasta não é uma medida (ou o instrumento foi desconectado).").arg(nome);
        break;
    case Download::Resultado::FalhaCabecalho:
        texto = QCoreApplication::translate("MainWindow", "%1: não foi possível gravar o arquivo da medida no instrumento.").arg(nome);
        break;
    case Download::Resultado::FalhaRenomear:
        texto = QCoreApplication::translate("MainWindow", "%1: não foi possível renomear a medida no instrumento; nada foi copiado.").arg(nome);
        break;
    case Download::Resultado::FalhaCopia:
        texto = QCoreApplication::translate("MainWindow", "%1: a cópia não foi concluída; nada foi gravado no computador.").arg(nome);
        break;
    case Download::Resultado::LocalEhLink:
        texto = QCoreApplication::translate("MainWindow", "%1: %2 é um link; nada foi gravado no computador.").arg(nome, r.pastaLocal);
        break;
    case Download::Resultado::FalhaGravacao:
        texto = QCoreApplication::translate("MainWindow", "%1: os resultados não puderam ser lidos ou gravados; nada foi gravado no computador.").arg(nome);
        break;
    }
    return r.detalhe.isEmpty() ? texto : texto + QLatin1Char('\n') + r.detalhe;
}

QString comLinks(const QString &texto, const QStringList &links)
{
    if (links.isEmpty())
        return texto;
    return texto + (texto.isEmpty() ? QString() : QStringLiteral("\n"))
        + QCoreApplication::translate("MainWindow", "Links não são copiados; ficaram de fora:") + QLatin1Char('\n') + links.join(QLatin1Char('\n'));
}

QString avisoDeSubstituicao(const QStringList &locais)
{
    // A long list would outgrow the screen; the first ones name the rest.
    const int mostradas = 12;
    QStringList nomes;
    for (const QString &local : locais.mid(0, mostradas)) {
        AcessarArquivo a;
        a.lerExposicao(LayoutMedida::arquivoExposicao(local));
        nomes << QStringLiteral("  %1 (%2)").arg(LayoutMedida::nomeMostrado(a.getNome_exposicao()).trimmed(),
                                                 LayoutMedida::nomePasta(local));
    }
    if (locais.size() > mostradas)
        nomes << QCoreApplication::translate("MainWindow", "  … e mais %n.", nullptr, int(locais.size()) - mostradas);
    return QCoreApplication::translate("MainWindow", "%n medida(s) já no computador será(ão) substituída(s) pela cópia do instrumento:", "",
              int(locais.size()))
        + QLatin1Char('\n') + nomes.join(QLatin1Char('\n')) + QStringLiteral("\n")
        + QCoreApplication::translate("MainWindow", "As alterações feitas no programa (identificação, observações, exposições parciais, "
             "componentes apagados) serão perdidas.");
}

QString importacao(const Transferencia::RelatoImportacao &r)
{
    QString texto;
    switch (r.resultado) {
    case Transferencia::Importacao::Importada:
        texto = QCoreApplication::translate("MainWindow", "Medida importada com sucesso!");
        break;
    case Transferencia::Importacao::FalhaGravacao:
        texto = QCoreApplication::translate("MainWindow", "Os resultados não puderam ser lidos ou gravados; nada foi gravado no computador.")
            + QLatin1Char('\n') + r.avaliacao.falhas.join(QLatin1Char('\n'));
        break;
    case Transferencia::Importacao::DestinoEhLink:
        texto = QCoreApplication::translate("MainWindow", "%1 é um link; nada foi gravado no computador.").arg(r.destino);
        break;
    case Transferencia::Importacao::NaoEhMedida:
    case Transferencia::Importacao::FalhaCopia:
        texto = QCoreApplication::translate("MainWindow", "A importação não foi concluída; nada foi gravado no computador.");
        if (!r.copia.erro.isEmpty())
            texto += QLatin1Char('\n') + r.copia.erro;
        break;
    }
    return comLinks(texto, r.copia.links);
}

QString exportacao(const Desfecho &resultado, const Copia::Relato &relato, const QString &alvo)
{
    QString texto;
    switch (resultado.estado) {
    case Desfecho::Estado::Feito:
        texto = QCoreApplication::translate("MainWindow", "Arquivos exportados com sucesso!");
        break;
    case Desfecho::Estado::Recusado:
        texto = QCoreApplication::translate("MainWindow", "%1 é um link; nada foi exportado.").arg(alvo);
        break;
    case Desfecho::Estado::Falhou:
        texto = QCoreApplication::translate("MainWindow", "A exportação não foi concluída; nada foi gravado em %1.").arg(alvo)
            + QLatin1Char('\n') + relato.erro;
        break;
    }
    return comLinks(texto, relato.links);
}

} // namespace TextosInstrumento
