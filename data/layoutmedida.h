#pragma once

#include <QDateTime>
#include <QFileInfo>
#include <QPair>
#include <QVector>
#include <QString>
#include <QStringList>

// Where things are in a measurement folder, on the instrument and in the
// local store, and how a folder is named when it is downloaded.
namespace LayoutMedida {

// "yyMMddHHmmss" of a time, in local time.
QString carimbo(const QDateTime &momento);
// "e_" and the stamp of the folder's last modification.
QString nomeDownload(const QDateTime &modificacao);
// When a measurement folder was recorded: for a folder a download named,
// the stamp in its name (renaming files inside it changes its
// modification time on some file systems); otherwise its modification
// time.
QDateTime momentoDaPasta(const QFileInfo &pasta);

// QDateTime::fromString(texto, formato), read by hand for the two forms
// the store uses most, "yyMMddHHmmss" and "dd/MM/yyyy HH:mm:ss": the
// general parser takes tens of microseconds, and a store lists thousands.
QDateTime lerDataHora(const QString &texto, const QString &formato);
// Folders with their recording times, newest first (by name among equals).
QVector<QPair<QFileInfo, QDateTime>> maisNovasPrimeiro(const QFileInfoList &pastas);
// The exposure name's first non-empty piece at "-", then "-" and the stamp.
QString renomearExposicao(const QString &nome, const QString &carimbo);

// What the tables show of an exposure: the name's part before its first
// "-", and the creation date followed by the time of the name's stamp
// (" HH:mm:ss"; nothing when the name carries no stamp).
QString nomeMostrado(const QString &nomeExposicao);
QString dataMostrada(const QString &dataCriacao, const QString &nomeExposicao);

// The folder's own name, also for a path that ends in "/".
QString nomePasta(const QString &pasta);
// Folder + "/" + its name + ".id".
QString arquivoExposicao(const QString &pasta);
// A folder is a measurement when its exposure file exists.
bool ehMedida(const QString &pasta);
// The names in a folder, by name, "." and ".." excluded; none for a
// folder that is not there. False, with "PATH: reason" in `erro`, when the
// folder is there but cannot be listed, or holds a name this system cannot
// spell (bytes of another code page): such an entry would go unseen.
bool listarPasta(const QString &pasta, QStringList *nomes, QString *erro);

// The direct sub-folders of a location, by name; "." and ".." excluded,
// and links too: what a link leads to is not part of the measurement.
// With `erro`, a location that cannot be listed (see listarPasta) gives
// none and says why.
QStringList subpastas(const QString &local, QString *erro = nullptr);
// The sub-folders of a location that are measurements.
QStringList medidas(const QString &local);

// The measurements of the local store as the viewer lists them: newest
// first by the time they were recorded; the store's own folders and
// entries that are links never count.
QStringList medidasDoArmazem(const QString &raiz);
// The store's own folders, never measurements: "Perfil", "Arquivos PDF",
// "Jornadas" and "Grupos".
bool ehPastaDoArmazem(const QString &nome);

// For each direct sub-folder P of a measurement: P/corpo, then P/mao.
// A body folder that is a link is left out. With `erro`, a measurement or
// task folder that cannot be listed gives none and says why.
QStringList pastasCorpo(const QString &medida, QString *erro = nullptr);
// Body folder + "/" + the name of its parent + ".id".
QString arquivoParcial(const QString &pastaCorpo);
// The paths without ".head" of the component files directly in a body folder.
QStringList componentes(const QString &pastaCorpo);
// The same, newest first by modification time (by name among equals).
// With `erro`, as subpastas().
QStringList componentesMaisNovosPrimeiro(const QString &pastaCorpo, QString *erro = nullptr);
// A component (its path without ".head") whose data and result files are
// both there.
bool componenteCompleto(const QString &base);

// A row of the viewer's partial-exposure table: a body folder that holds
// its partial-exposure file and something more.
struct LinhaParcial {
    QString pastaCorpo;
    QString sensor; // "corpo" or "mao"
    QString arquivoParcial;
};
// For each partial-exposure folder of a measurement, by name, its "corpo"
// and then its "mao" row.
QVector<LinhaParcial> parciaisDaExposicao(const QString &pastaExposicao);

// The number of "*.head" files anywhere below a measurement folder.
int contarArquivosHead(const QString &medida);

} // namespace LayoutMedida
