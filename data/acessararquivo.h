#pragma once

#include "data/camposregistro.h"

#include <QString>
#include <QByteArray>
#include <QPair>
#include <QStringList>
#include <QVector>


// Reads and writes every record file of a measurement and the instrument's
// configuration file. One object holds a text field per key of every file
// type; a read fills the fields of its file type, a write stores them.
//
// A field no file supplied holds one blank. A missing file leaves the
// fields as they were, and a write to a missing file creates nothing. A
// file that is there but cannot be read (no permission, a read error, a
// link) leaves them as they were too, but is remembered in `erroLeitura`,
// and the object then writes nothing: what it would write back was never
// read. The writers return whether the file was replaced, and
// `erroGravacao` says why not ("PATH: reason"), so callers that must tell
// the user can.
class AcessarArquivo
{
public:
    AcessarArquivo();

    void lerExposicao(const QString &caminho);
    bool salvarExposicao(const QString &caminho);
    bool salvarCabecalhoExposicao(const QString &nome, const QString &caminho);
    void lerExposicaoParcial(const QString &caminho);
    bool salvarExposicaoParcial(const QString &caminho);
    void lerComponente(const QString &caminho);
    void lerDados(const QString &caminho);
    void lerConfiguracao(const QString &caminho);
    bool salvarConfiguracao(const QString &caminho, bool completo);

    // The unset state of the partial-exposure fields, and of the component
    // and data fields, as after construction.
    void limparExposicaoParcial();
    void limparComponente();
    // A component from the unset state: base + ".head", then its data file
    // ".dat" and its result file ".res" (whose values stand where both
    // carry a key).
    void lerComponenteCompleto(const QString &base);
    // The same without the sample table: the data file is read only up to
    // it, whatever the recording's length. All the evaluation needs.
    void lerValoresComponente(const QString &base);
    // A data file's values above its sample table; the table is not read.
    void lerValoresDados(const QString &caminho);

    // The sample table last read: its complete rows, and one cell (column
    // 0 the time, then amx, amy, amz, amr, vdvx, vdvy, vdvz) decoded on
    // demand, so that a long recording is never turned into 8 x rows texts.
    int amostras() const;
    QString celula(int linha, int coluna) const;
    // The eight cells of a row at once.
    QStringList celulas(int linha) const;

#define KT_GETTER(membro, chave, Nome) \
    QString get##Nome() const { return membro; }
#define KT_GETTER_SETTER(membro, chave, Nome) \
    KT_GETTER(membro, chave, Nome)            \
    void set##Nome(const QString &valor) { membro = valor; }
#define KT_NADA(membro, chave, Nome)

    KT_CAMPOS_EXPOSICAO(KT_GETTER_SETTER, KT_GETTER, KT_NADA)
    KT_CAMPOS_PARCIAL(KT_GETTER_SETTER, KT_GETTER, KT_NADA)
    KT_CAMPOS_COMPONENTE(KT_GETTER_SETTER, KT_GETTER, KT_NADA)
    KT_CAMPOS_DADOS(KT_GETTER_SETTER, KT_GETTER, KT_NADA)
    KT_CAMPOS_CONFIGURACAO(KT_GETTER_SETTER, KT_GETTER, KT_NADA)

    QStringList getFreq() const { return freq; }
    QStringList getVibracao() const { return vibracao; }
    QStringList getColuna1() const { return colunaPronta(0); }
    QStringList getColuna2() const { return colunaPronta(1); }
    QStringList getColuna3() const { return colunaPronta(2); }
    QStringList getColuna4() const { return colunaPronta(3); }
    QStringList getColuna5() const { return colunaPronta(4); }
    QStringList getColuna6() const { return colunaPronta(5); }
    QStringList getColuna7() const { return colunaPronta(6); }
    QStringList getColuna8() const { return colunaPronta(7); }

    // What the exposure and partial-exposure writers would write.
    QString textoExposicao() const;
    QString textoExposicaoParcial() const;

    // "PATH: reason" of the first file this object found but could not read.
    QString erroLeitura() const { return falhaLeitura; }
    // The file and the reason of the last write that failed.
    QString erroGravacao() const { return ultimoErro; }

private:
    // One record file field: its key and its member.
    struct Campo {
        const char *chave;
        QString AcessarArquivo::*membro;
    };
    struct Tabela {
        const Campo *campos;
        int quantos;
    };
    static Tabela tabelaExposicao();
    static Tabela tabelaParcial();
    static Tabela tabelaComponente();
    // Every key the configuration reader accepts, aliases included.
    static Tabela tabelaConfiguracao();
    // The keys of the long or the short set, in their written order.
    static Tabela tabelaConfiguracaoGravada(bool completo);

    // Assigns the line's last piece to the first field whose key equals its
    // first piece; false when no key matches.
    bool atribuir(const QStringList &pedacos, const Tabela &tabela);
    // The generic reading.
    void lerRegistro(const QString &arquivo, const Tabela &tabela);
    bool salvarRegistro(const QString &arquivo, const Tabela &tabela);
    bool substituir(const QString &arquivo, const QString &texto);

    // Reads a whole file, remembering a failure to read one that is there.
    bool lerArquivo(const QString &arquivo, QByteArray *dados);
    void lembrarFalha(const QString &erro);
    QString texto(const Tabela &tabela) const;

    QString ultimoErro;
    QString falhaLeitura;

#define KT_MEMBRO(membro, chave, Nome) QString membro = QStringLiteral(" ");
    KT_CAMPOS_EXPOSICAO(KT_MEMBRO, KT_MEMBRO, KT_MEMBRO)
    KT_CAMPOS_PARCIAL(KT_MEMBRO, KT_MEMBRO, KT_MEMBRO)
    KT_CAMPOS_COMPONENTE(KT_MEMBRO, KT_MEMBRO, KT_MEMBRO)
    KT_CAMPOS_DADOS(KT_MEMBRO, KT_MEMBRO, KT_MEMBRO)
    KT_CAMPOS_CONFIGURACAO(KT_MEMBRO, KT_MEMBRO, KT_MEMBRO)
#undef KT_MEMBRO

    const QStringList &colunaPronta(int i) const;
    // The pieces of the sample table's row `linha`; false past its rows.
    bool separarAmostra(int linha, const char *inicio[8], int tamanho[8]) const;
    // The values above a data file's sample table; true when the table
    // starts (the reader then stands at its first row).
    template<typename Leitor> bool lerCabecalhoDados(Leitor &leitor);

    QStringList freq;
    QStringList vibracao;
    // The sample table is indexed when the file is read and turned into
    // the eight text columns on first use: callers that need only the
    // header values (the evaluation) never pay for the 8 x rows strings.
    mutable QByteArray tabelaBruta;
    mutable QVector<QPair<int, int>> linhasTabela; // start and length in tabelaBruta
    mutable QStringList coluna[8];
    mutable bool colunasProntas = true;

#undef KT_GETTER
#undef KT_GETTER_SETTER
#undef KT_NADA
};
