#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The `key;value;` text files of a measurement and of the instrument.
namespace ArquivoRegistro {

// Reads the whole file. False, with `conteudo` untouched, when the path is
// not an existing regular file or does not open.
bool ler(const QString &caminho, QByteArray *conteudo);

// Replaces an existing regular file with `texto`, encoded in the record
// code page, with the host's line ends. The new text is written beside the
// file and renamed over it, so a failed write leaves the old file whole.
// Never creates a file, never writes through a link; false, with "PATH:
// reason" in `erro`, when nothing was replaced.
bool substituir(const QString &caminho, const QString &texto, QString *erro = nullptr);

// One written record line: the key, ";", the value and ";\n".
QString linha(const QString &chave, const QString &valor);

// The number of a record value with the C-locale rules; 0 for anything
// that is not a finite number (the unset blank included).
double numero(const QString &texto);
// The same, telling whether the text was a finite number at all.
bool numeroFinito(const QString &texto, double *valor);

// The pieces of a line split at ';', empty pieces dropped.
QStringList pedacos(const QString &linha);

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
