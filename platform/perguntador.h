#pragma once

#include <QFileInfo>
#include <QString>
#include <QStringList>

class QWidget;

// Every question, message and file dialog the windows put to the user goes
// through this interface, so that tests can answer them.
class Perguntador
{
public:
    virtual ~Perguntador() = default;

    // A modal choice among items; false when cancelled.
    virtual bool escolherItem(QWidget *pai, const QString &titulo, const QString &rotulo,
                              const QStringList &itens, QString *escolhido) = 0;
    // Which button Enter presses. A question that deletes or replaces
    // data answers `nao` to Enter; Esc always answers `nao`.
    enum class Padrao { Sim, Nao };

    // A line of text typed in, starting from `texto`; false when cancelled.
    virtual bool pedirTexto(QWidget *pai, const QString &titulo, const QString &rotulo, QString *texto) = 0;
    // A question with the question icon; true for the `sim` button.
    virtual bool perguntar(QWidget *pai, const QString &titulo, const QString &texto,
                           const QString &sim, const QString &nao, Padrao padrao) = 0;
    // An information box with one OK button.
    virtual void informar(QWidget *pai, const QString &titulo, const QString &texto) = 0;
    // An existing folder; empty when cancelled.
    virtual QString escolherPasta(QWidget *pai, const QString &legenda, const QString &inicio) = 0;
    // An existing file to read; empty when cancelled.
    virtual QString escolherArquivoParaAbrir(QWidget *pai, const QString &legenda, const QString &inicio,
                                             const QString &filtro) = 0;
    // A file to write; empty when cancelled.
    virtual QString escolherArquivoParaSalvar(QWidget *pai, const QString &legenda,
                                              const QString &inicio, const QString &filtro) = 0;
    // The same, ending in `.sufixo` when the name typed has no suffix.
    QString escolherArquivoParaSalvar(QWidget *pai, const QString &legenda, const QString &inicio,
                                      const QString &filtro, const QString &sufixo)
    {
        const QString arquivo = escolherArquivoParaSalvar(pai, legenda, inicio, filtro);
        return arquivo.isEmpty() || !QFileInfo(arquivo).suffix().isEmpty() ? arquivo : arquivo + '.' + sufixo;
    }
};
