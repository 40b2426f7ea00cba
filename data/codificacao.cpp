#include "data/codificacao.h"

#include <QTextCodec>

namespace {

// Unicode code points of the bytes 0x80..0x9F in Windows-1252; the bytes
// the code page leaves undefined keep their C1 code point.
const char16_t cp1252Alto[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QTextCodec *codecLocal()
{
    static QTextCodec *const codec = [] {
        QTextCodec *local = QTextCodec::codecForLocale();
        return Codificacao::ehOitoBits(local) ? local : nullptr;
    }();
    return codec;
}

char byteCp1252(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    for (int i = 0; i < 32; ++i) {
        if (cp1252Alto[i] == c)
            return char(0x80 + i);
    }
    return '?';
}

} // namespace

namespace Codificacao {

bool ehOitoBits(QTextCodec *codec)
{
    if (!codec || codec->mibEnum() == 106) // UTF-8
        return false;
    for (int b = 0; b < 256; ++b) {
        const char byte = char(b);
        const QString c = codec->toUnicode(&byte, 1);
        if (c.size() != 1 || c.at(0) == QChar::ReplacementCharacter)
            return false;
        if (codec->fromUnicode(c) != QByteArray(1, byte))
            return false;
    }
    return true;
}

QString decodificar(const char *dados, int tamanho)
{
    if (QTextCodec *codec = codecLocal())
        return codec->toUnicode(dados, tamanho);
    QString texto = QString::fromLatin1(dados, tamanho);
    QChar *c = texto.data();
    for (int i = 0; i < tamanho; ++i) {
        const ushort u = c[i].unicode();
        if (u >= 0x80 && u < 0xA0)
            c[i] = QChar(cp1252Alto[u - 0x80]);
    }
    return texto;
}

QString decodificar(const QByteArray &dados)
{
    return decodificar(dados.constData(), dados.size());
}

QByteArray codificar(const QString &texto)
{
    if (QTextCodec *codec = codecLocal())
        return codec->fromUnicode(texto);
    QByteArray bytes(texto.size(), Qt::Uninitialized);
    const QChar *c = texto.constData();
    for (int i = 0; i < texto.size(); ++i)
        bytes[i] = byteCp1252(c[i].unicode());
    return bytes;
}

} // namespace Codificacao
