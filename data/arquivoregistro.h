#pragma once

#include "data/desfecho.h"

#include <QByteArray>
#include <QFile>
#include <QPair>
#include <QVector>
#include <QString>
#include <QStringList>

// The `key;value;` text files of a measurement and of the instrument.
namespace ArquivoRegistro {

// Reads the whole file. False, with `conteudo` untouched, when the path is
// not an existing regular file or cannot be read; then `erro` gets "PATH:
// reason" when something is there that could not be read (a file without
// read permission, a read error, a link, a folder), and stays empty when
// nothing is there at all.
bool ler(const QString &caminho, QByteArray *conteudo, QString *erro = nullptr);
// The "PATH: reason" of what stands at `caminho` and is not a readable
// regular file; empty when nothing stands there.
QString motivoIlegivel(const QString &caminho);

// Replaces an existing regular file with `texto`, encoded in the record
// code page, with the host's line ends. The new text is written beside the
// file and renamed over it, so a failed write leaves the old file whole.
// Never creates a file, never writes through a link; failed, with "PATH:
// reason", when nothing was replaced.
Desfecho substituir(const QString &caminho, const QString &texto);
// Several files at once: none is replaced unless every one can be.
Desfecho substituirTodos(const QVector<QPair<QString, QString>> &textos);

// One written record line: the key, ";", the value and ";\n".
QString linha(const QString &chave, const QString &valor);

// The number of a record value with the C-locale rules; 0 for anything
// that is not a finite number (the unset blank included).
double numero(const QString &texto);
// The same, telling whether the text was a finite number at all.
bool numeroFinito(const QString &texto, double *valor);

// The pieces of a line split at ';', empty pieces dropped.
QStringList pedacos(const QString &linha);

// A sample-table line's first eight non-empty pieces, split at ';' (start
// and length of each); returns how many it found. A line with fewer than
// eight is not a sample.
int separarLinhaTabela(const char *linha, int n, const char *inicio[8], int tamanho[8]);

// Walks the lines of a file block by block, ended as LeitorLinhas ends
// them, so that a recording of any length takes a fixed amount of memory.
// A line longer than `linhaMaxima` cannot be a record line: it is passed
// over without being held.
class LeitorArquivo
{
public:
    static constexpr int linhaMaxima = 1 << 20;

    explicit LeitorArquivo(const QString &caminho);

    bool aberto() const { return arquivo.isOpen(); }
    // The next line's bytes without its end, valid until the next call;
    // false at the end of the file, or when reading failed (see erro()).
    bool proxima(const char **inicio, int *tamanho);
    // "PATH: reason" when the file is there but could not be read whole.
    QString erro() const { return falha; }
    // Lines passed over for their length.
    int longas() const { return linhasLongas; }

private:
    bool encher();

    QFile arquivo;
    QByteArray bloco;
    int pos = 0;
    int visto = 0; // bytes of the current line already searched for its end
    bool acabou = false;
    int linhasLongas = 0;
    QString falha;
};

// Walks the lines of a file's content; LF, CR LF and a lone CR each end a
// line, and a UTF-8 byte-order mark at the start is skipped.
class LeitorLinhas
{
public:
    explicit LeitorLinhas(const QByteArray &dados);

    bool fim() const { return pos >= dados.size(); }
    // The next line without its terminator, decoded.
    QString proxima();
    // The next line's raw bytes, without its terminator.
    void proximaBruta(const char **inicio, int *tamanho);
    // Everything not yet read, decoded, with CR LF and lone CRs turned into
    // LF.
    QString resto();

private:
    const QByteArray &dados;
    int pos = 0;
};

} // namespace ArquivoRegistro
