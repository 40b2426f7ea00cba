#include "data/acessararquivo.h"

#include "data/arquivoregistro.h"
#include "data/codificacao.h"


#include <iterator>

using ArquivoRegistro::LeitorLinhas;

namespace {

const QString unset = QStringLiteral(" ");

// Exposure keys whose value may hold ';': the whole line, minus the key,
// is the value.
const char *const chavesTextoLivre[] = {
    "empresa_avaliadora", "responsavel_tecnico", "empresa_avaliada",
    "funcionario_avaliado", "setor",
};

bool ehTextoLivre(const QString &chave)
{
    for (const char *livre : chavesTextoLivre) {
        if (chave == QLatin1String(livre))
            return true;
    }
    return false;
}

} // namespace

#define KT_CAMPO(membro, chave, Nome) {chave, &AcessarArquivo::membro},

AcessarArquivo::AcessarArquivo()
{
    jornada_de_trabalhoConfig = QStringLiteral("08:00");
}

AcessarArquivo::Tabela AcessarArquivo::tabelaExposicao()
{
    static const Campo campos[] = {KT_CAMPOS_EXPOSICAO(KT_CAMPO, KT_CAMPO, KT_CAMPO)};
    return {campos, int(std::size(campos))};
}

AcessarArquivo::Tabela AcessarArquivo::tabelaParcial()
{
    static const Campo campos[] = {KT_CAMPOS_PARCIAL(KT_CAMPO, KT_CAMPO, KT_CAMPO)};
    return {campos, int(std::size(campos))};
}

AcessarArquivo::Tabela AcessarArquivo::tabelaComponente()
{
    static const Campo campos[] = {KT_CAMPOS_COMPONENTE(KT_CAMPO, KT_CAMPO, KT_CAMPO)};
    return {campos, int(std::size(campos))};
}

bool AcessarArquivo::atribuir(const QStringList &pedacos, const Tabela &tabela)
{
    const QString &chave = pedacos.first();
    for (int i = 0; i < tabela.quantos; ++i) {
        if (chave == QLatin1String(tabela.campos[i].chave)) {
            this->*tabela.campos[i].membro = pedacos.last();
            return true;
        }
    }
    return false;
}

void AcessarArquivo::lembrarFalha(const QString &erro)
{
    if (falhaLeitura.isEmpty())
        falhaLeitura = erro;
}

bool AcessarArquivo::lerArquivo(const QString &arquivo, QByteArray *dados)
{
    QString erro;
    if (ArquivoRegistro::ler(arquivo, dados, &erro))
        return true;
    lembrarFalha(erro);
    return false;
}

void AcessarArquivo::lerRegistro(const QString &arquivo, const Tabela &tabela)
{
    QByteArray dados;
    if (!lerArquivo(arquivo, &dados))
        return;
    LeitorLinhas leitor(dados);
    while (!leitor.fim()) {
        const QStringList pedacos = ArquivoRegistro::pedacos(leitor.proxima());
        if (!pedacos.isEmpty())
            atribuir(pedacos, tabela);
    }
}

QString AcessarArquivo::texto(const Tabela &tabela) const
{
    QString texto;
    for (int i = 0; i < tabela.quantos; ++i)
        texto += ArquivoRegistro::linha(QLatin1String(tabela.campos[i].chave),
                                        this->*tabela.campos[i].membro);
    return texto;
}

QString AcessarArquivo::textoExposicao() const
{
    return texto(tabelaExposicao());
}

QString AcessarArquivo::textoExposicaoParcial() const
{
    return texto(tabelaParcial());
}

bool AcessarArquivo::salvarRegistro(const QString &arquivo, const Tabela &tabela)
{
    return substituir(arquivo, texto(tabela));
}

bool AcessarArquivo::substituir(const QString &arquivo, const QString &texto)
{
    if (!falhaLeitura.isEmpty()) {
        ultimoErro = falhaLeitura;
        return false;
    }
    const Desfecho d = ArquivoRegistro::substituir(arquivo, texto);
    ultimoErro = d.motivo;
    return d.feito();
}

void AcessarArquivo::lerExposicao(const QString &arquivo)
{
    QByteArray dados;
    if (!lerArquivo(arquivo, &dados))
        return;
    const QString chaveObs = QStringLiteral("observacoes;");
    LeitorLinhas leitor(dados);
    while (!leitor.fim()) {
        QString linha = leitor.proxima();
        const QStringList pedacos = ArquivoRegistro::pedacos(linha);
        if (pedacos.isEmpty())
            continue;
        const QString &chave = pedacos.first();
        if (chave == QLatin1String("observacoes")) {
            // Everything after this line belongs to the observations. Only
            // the ";" and line end that the writer adds are taken off, so
            // that a text read and saved comes back unchanged.
            const int posChave = linha.indexOf(chaveObs);
            if (posChave >= 0)
                linha.remove(posChave, chaveObs.size());
            QString texto = linha + QLatin1Char('\n') + leitor.resto();
            if (texto.endsWith(QLatin1Char('\n')))
                texto.chop(1);
            if (texto.endsWith(QLatin1Char(';')))
                texto.chop(1);
            observacoes = texto;
            break;
        }
        if (ehTextoLivre(chave)) {
            linha.remove(chave + QLatin1Char(';'));
            linha.chop(1);
            atribuir({chave, linha}, tabelaExposicao());
            continue;
        }
        atribuir(pedacos, tabelaExposicao());
    }
}

bool AcessarArquivo::salvarExposicao(const QString &arquivo)
{
    return salvarRegistro(arquivo, tabelaExposicao());
}

bool AcessarArquivo::salvarCabecalhoExposicao(const QString &nome, const QString &arquivo)
{
    lerExposicao(arquivo);
    const QString texto = ArquivoRegistro::linha(QStringLiteral("nome_exposicao"), nome)
        + ArquivoRegistro::linha(QStringLiteral("id_equipamento"), id_equipamento)
        + ArquivoRegistro::linha(QStringLiteral("tipo_de_sensor"), tipo_de_sensor)
        + ArquivoRegistro::linha(QStringLiteral("data_criacao"), data_criacao)
        + ArquivoRegistro::linha(QStringLiteral("jornada_de_trabalho"), jornada_de_trabalho);
    return substituir(arquivo, texto);
}

void AcessarArquivo::lerExposicaoParcial(const QString &arquivo)
{
    lerRegistro(arquivo, tabelaParcial());
}

bool AcessarArquivo::salvarExposicaoParcial(const QString &arquivo)
{
    return salvarRegistro(arquivo, tabelaParcial());
}

void AcessarArquivo::lerComponente(const QString &arquivo)
{
    lerRegistro(arquivo, tabelaComponente());
}

void AcessarArquivo::limparExposicaoParcial()
{
#define KT_LIMPAR(membro, chave, Nome) membro = unset;
    KT_CAMPOS_PARCIAL(KT_LIMPAR, KT_LIMPAR, KT_LIMPAR)
}

void AcessarArquivo::limparComponente()
{
    KT_CAMPOS_COMPONENTE(KT_LIMPAR, KT_LIMPAR, KT_LIMPAR)
    KT_CAMPOS_DADOS(KT_LIMPAR, KT_LIMPAR, KT_LIMPAR)
#undef KT_LIMPAR
    freq.clear();
    vibracao.clear();
    for (QStringList &c : coluna)
        c.clear();
    tabelaBruta.clear();
    linhasTabela.clear();
    colunasProntas = true;
}

void AcessarArquivo::lerComponenteCompleto(const QString &base)
{
    limparComponente();
    lerComponente(base + QStringLiteral(".head"));
    lerDados(base + QStringLiteral(".dat"));
    lerDados(base + QStringLiteral(".res"));
}

void AcessarArquivo::lerValoresComponente(const QString &base)
{
    limparComponente();
    lerComponente(base + QStringLiteral(".head"));
    lerValoresDados(base + QStringLiteral(".dat"));
    lerDados(base + QStringLiteral(".res"));
}

namespace {

// A LeitorLinhas or a LeitorArquivo as the header reading walks them.
bool proximaLinha(LeitorLinhas &leitor, QString *linha)
{
    if (leitor.fim())
        return false;
    *linha = leitor.proxima();
    return true;
}

bool proximaLinha(ArquivoRegistro::LeitorArquivo &leitor, QString *linha)
{
    const char *inicio = nullptr;
    int tamanho = 0;
    if (!leitor.proxima(&inicio, &tamanho))
        return false;
    *linha = Codificacao::decodificar(inicio, tamanho);
    return true;
}

} // namespace

template<typename Leitor> bool AcessarArquivo::lerCabecalhoDados(Leitor &leitor)
{
    static const Campo campos[] = {
        {"amr(acc)", &AcessarArquivo::amr},   {"amx(acc)", &AcessarArquivo::amx},
        {"amy(acc)", &AcessarArquivo::amy},   {"amz(acc)", &AcessarArquivo::amz},
        {"picox", &AcessarArquivo::picox},    {"picoy", &AcessarArquivo::picoy},
        {"picoz", &AcessarArquivo::picoz},    {"vdvx", &AcessarArquivo::vdvx},
        {"vdvx(acc)", &AcessarArquivo::vdvx}, {"vdvy", &AcessarArquivo::vdvy},
        {"vdvy(acc)", &AcessarArquivo::vdvy}, {"vdvz", &AcessarArquivo::vdvz},
        {"vdvz(acc)", &AcessarArquivo::vdvz}, {"FC_x", &AcessarArquivo::FC_x},
        {"FC_y", &AcessarArquivo::FC_y},      {"FC_z", &AcessarArquivo::FC_z},
    };
    freq.clear();
    vibracao.clear();
    QString linha;
    while (proximaLinha(leitor, &linha)) {
        QStringList pedacos = ArquivoRegistro::pedacos(linha);
        if (pedacos.isEmpty())
            continue;
        const QString chave = pedacos.takeFirst();
        if (chave == QLatin1String("freq")) {
            freq = pedacos;
        } else if (chave == QLatin1String("vibracao")) {
            vibracao = pedacos;
        } else if (chave == QLatin1String("Tempo")) {
            return true;
        } else if (!pedacos.isEmpty()) {
            atribuir({chave, pedacos.last()}, {campos, int(std::size(campos))});
        } else {
            atribuir({chave}, {campos, int(std::size(campos))});
        }
    }
    return false;
}

void AcessarArquivo::lerValoresDados(const QString &arquivo)
{
    ArquivoRegistro::LeitorArquivo leitor(arquivo);
    if (leitor.aberto())
        lerCabecalhoDados(leitor);
    lembrarFalha(leitor.erro());
}

void AcessarArquivo::lerDados(const QString &arquivo)
{
    QByteArray dados;
    if (!lerArquivo(arquivo, &dados))
        return;
    LeitorLinhas leitor(dados);
    if (!lerCabecalhoDados(leitor))
        return;

    // A table line carries eight values; a shorter one (a recording cut
    // off midway) is skipped so that every column keeps one entry per
    // sample.
    tabelaBruta = dados;
    linhasTabela.clear();
    linhasTabela.reserve(dados.size() / 48);
    for (QStringList &c : coluna)
        c.clear();
    colunasProntas = false;
    const char *inicio[8];
    int tamanho[8];
    while (!leitor.fim()) {
        const char *linha = nullptr;
        int n = 0;
        leitor.proximaBruta(&linha, &n);
        if (ArquivoRegistro::separarLinhaTabela(linha, n, inicio, tamanho) == 8)
            linhasTabela.append({int(linha - tabelaBruta.constData()), n});
    }
}

int AcessarArquivo::amostras() const
{
    return colunasProntas ? int(coluna[0].size()) : int(linhasTabela.size());
}

bool AcessarArquivo::separarAmostra(int linha, const char *inicio[8], int tamanho[8]) const
{
    if (linha < 0 || linha >= linhasTabela.size())
        return false;
    const auto &l = linhasTabela.at(linha);
    ArquivoRegistro::separarLinhaTabela(tabelaBruta.constData() + l.first, l.second, inicio, tamanho);
    return true;
}

QString AcessarArquivo::celula(int linha, int c) const
{
    if (colunasProntas)
        return coluna[c].value(linha);
    const char *inicio[8];
    int tamanho[8];
    if (c < 0 || c >= 8 || !separarAmostra(linha, inicio, tamanho))
        return QString();
    return Codificacao::decodificar(inicio[c], tamanho[c]);
}

QStringList AcessarArquivo::celulas(int linha) const
{
    QStringList r;
    r.reserve(8);
    const char *inicio[8];
    int tamanho[8];
    const bool bruta = !colunasProntas && separarAmostra(linha, inicio, tamanho);
    for (int c = 0; c < 8; ++c)
        r << (bruta ? Codificacao::decodificar(inicio[c], tamanho[c]) : celula(linha, c));
    return r;
}

const QStringList &AcessarArquivo::colunaPronta(int i) const
{
    if (!colunasProntas) {
        for (QStringList &c : coluna)
            c.reserve(linhasTabela.size());
        const char *inicio[8];
        int tamanho[8];
        for (int l = 0; separarAmostra(l, inicio, tamanho); ++l) {
            for (int c = 0; c < 8; ++c)
                coluna[c].append(Codificacao::decodificar(inicio[c], tamanho[c]));
        }
        colunasProntas = true;
        tabelaBruta.clear();
        linhasTabela.clear();
    }
    return coluna[i];
}

AcessarArquivo::Tabela AcessarArquivo::tabelaConfiguracao()
{
    // The workday goes out under "jornada_de_trabalhoConfig" in the long
    // set; reading it back under that key too keeps the instrument's
    // setting instead of falling back to 08:00 on every save.
    static const Campo campos[] = {
        KT_CAMPOS_CONFIGURACAO(KT_CAMPO, KT_CAMPO, KT_CAMPO)
        {"id_equip", &AcessarArquivo::id_equipamentoConfig},
        {"periodo_de_amostragem", &AcessarArquivo::periodo_amostragemConfig},
        {"wx_mao", &AcessarArquivo::ponderacao_fx_mao},
        {"wy_mao", &AcessarArquivo::ponderacao_fy_mao},
        {"wz_mao", &AcessarArquivo::ponderacao_fz_mao},
        {"wx_corpo", &AcessarArquivo::ponderacao_fx_corpo},
        {"wy_corpo", &AcessarArquivo::ponderacao_fy_corpo},
        {"wz_corpo", &AcessarArquivo::ponderacao_fz_corpo},
        {"jornada_de_trabalhoConfig", &AcessarArquivo::jornada_de_trabalhoConfig},
    };
    return {campos, int(std::size(campos))};
}

void AcessarArquivo::lerConfiguracao(const QString &arquivo)
{
    lerRegistro(arquivo, tabelaConfiguracao());
}

AcessarArquivo::Tabela AcessarArquivo::tabelaConfiguracaoGravada(bool completo)
{
    static const Campo longo[] = {
        {"id_equipamento", &AcessarArquivo::id_equipamentoConfig},
        {"id_medicao", &AcessarArquivo::id_medicao},
        {"idioma", &AcessarArquivo::idioma},
        {"jornada_de_trabalhoConfig", &AcessarArquivo::jornada_de_trabalhoConfig},
        {"tempo_programado", &AcessarArquivo::tempo_programado},
        {"periodo_amostragem", &AcessarArquivo::periodo_amostragemConfig},
        {"unidade", &AcessarArquivo::unidade},
        {"id_sensor_mao", &AcessarArquivo::id_sensor_mao},
        {"ponderacao_fx_mao", &AcessarArquivo::ponderacao_fx_mao},
        {"ponderacao_fy_mao", &AcessarArquivo::ponderacao_fy_mao},
        {"ponderacao_fz_mao", &AcessarArquivo::ponderacao_fz_mao},
        {"kx_mao", &AcessarArquivo::kx_mao},
        {"ky_mao", &AcessarArquivo::ky_mao},
        {"kz_mao", &AcessarArquivo::kz_mao},
        {"sensibilidade_x_mao", &AcessarArquivo::sensibilidade_x_mao},
        {"sensibilidade_y_mao", &AcessarArquivo::sensibilidade_y_mao},
        {"sensibilidade_z_mao", &AcessarArquivo::sensibilidade_z_mao},
        {"id_sensor_corpo", &AcessarArquivo::id_sensor_corpo},
        {"ponderacao_fx_corpo", &AcessarArquivo::ponderacao_fx_corpo},
        {"ponderacao_fy_corpo", &AcessarArquivo::ponderacao_fy_corpo},
        {"ponderacao_fz_corpo", &AcessarArquivo::ponderacao_fz_corpo},
        {"kx_corpo", &AcessarArquivo::kx_corpo},
        {"ky_corpo", &AcessarArquivo::ky_corpo},
        {"kz_corpo", &AcessarArquivo::kz_corpo},
        {"sensibilidade_x_corpo", &AcessarArquivo::sensibilidade_x_corpo},
        {"sensibilidade_y_corpo", &AcessarArquivo::sensibilidade_y_corpo},
        {"sensibilidade_z_corpo", &AcessarArquivo::sensibilidade_z_corpo},
        {"banda_oitava", &AcessarArquivo::banda_oitava},
        {"canal_oitava", &AcessarArquivo::canal_oitava},
        {"eixo_oitava", &AcessarArquivo::eixo_oitava},
    };
    static const Campo curto[] = {
        {"id_equip", &AcessarArquivo::id_equipamentoConfig},
        {"idioma", &AcessarArquivo::idioma},
        {"tempo_programado", &AcessarArquivo::tempo_programado},
        {"unidade", &AcessarArquivo::unidade},
        {"jornada_de_trabalho", &AcessarArquivo::jornada_de_trabalhoConfig},
        {"periodo_de_amostragem", &AcessarArquivo::periodo_amostragemConfig},
        {"wx_mao", &AcessarArquivo::ponderacao_fx_mao},
        {"wy_mao", &AcessarArquivo::ponderacao_fy_mao},
        {"wz_mao", &AcessarArquivo::ponderacao_fz_mao},
        {"kx_mao", &AcessarArquivo::kx_mao},
        {"ky_mao", &AcessarArquivo::ky_mao},
        {"kz_mao", &AcessarArquivo::kz_mao},
        {"sensibilidade_x_mao", &AcessarArquivo::sensibilidade_x_mao},
        {"sensibilidade_y_mao", &AcessarArquivo::sensibilidade_y_mao},
        {"sensibilidade_z_mao", &AcessarArquivo::sensibilidade_z_mao},
        {"wx_corpo", &AcessarArquivo::ponderacao_fx_corpo},
        {"wy_corpo", &AcessarArquivo::ponderacao_fy_corpo},
        {"wz_corpo", &AcessarArquivo::ponderacao_fz_corpo},
        {"kx_corpo", &AcessarArquivo::kx_corpo},
        {"ky_corpo", &AcessarArquivo::ky_corpo},
        {"kz_corpo", &AcessarArquivo::kz_corpo},
        {"sensibilidade_x_corpo", &AcessarArquivo::sensibilidade_x_corpo},
        {"sensibilidade_y_corpo", &AcessarArquivo::sensibilidade_y_corpo},
        {"sensibilidade_z_corpo", &AcessarArquivo::sensibilidade_z_corpo},
        {"banda_oitava", &AcessarArquivo::banda_oitava},
        {"eixo_oitava", &AcessarArquivo::eixo_oitava},
        {"tempo_desligamento", &AcessarArquivo::tempo_desligamento},
    };
    if (completo)
        return {longo, int(std::size(longo))};
    return {curto, int(std::size(curto))};
}

bool AcessarArquivo::salvarConfiguracao(const QString &arquivo, bool completo)
{
    // The instrument may know keys this program does not write (a newer
    // firmware's, or `tempo_desligamento` in the long set): their lines
    // stay, after the written key that came before them in the file.
    const Tabela gravada = tabelaConfiguracaoGravada(completo);
    const Tabela lida = tabelaConfiguracao();
    const auto gravadaNaPosicao = [&](QString AcessarArquivo::*membro) {
        for (int i = 0; i < gravada.quantos; ++i) {
            if (gravada.campos[i].membro == membro)
                return i;
        }
        return -1;
    };
    QVector<QStringList> mantidas(gravada.quantos + 1); // [0]: before every written key
    QByteArray dados;
    if (lerArquivo(arquivo, &dados)) {
        int anterior = -1;
        LeitorLinhas leitor(dados);
        while (!leitor.fim()) {
            const QString linha = leitor.proxima();
            const QStringList pedacos = ArquivoRegistro::pedacos(linha);
            if (pedacos.isEmpty())
                continue;
            int posicao = -1;
            for (int i = 0; i < lida.quantos && posicao < 0; ++i) {
                if (pedacos.first() == QLatin1String(lida.campos[i].chave))
                    posicao = gravadaNaPosicao(lida.campos[i].membro);
            }
            if (posicao >= 0)
                anterior = posicao;
            else
                mantidas[anterior + 1] << linha;
        }
    }
    QString texto;
    for (int i = 0; i <= gravada.quantos; ++i) {
        if (i > 0)
            texto += ArquivoRegistro::linha(QLatin1String(gravada.campos[i - 1].chave),
                                            this->*gravada.campos[i - 1].membro);
        for (const QString &linha : qAsConst(mantidas[i]))
            texto += linha + QLatin1Char('\n');
    }
    return substituir(arquivo, texto);
}
