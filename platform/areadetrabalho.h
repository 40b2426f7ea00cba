#pragma once

#include <QUrl>

// The desktop's default handlers (browser, PDF viewer), behind a seam so
// that tests open nothing.
class Perguntador;
class QWidget;

class AreaDeTrabalho
{
public:
    virtual ~AreaDeTrabalho() = default;
    virtual bool abrirUrl(const QUrl &url) = 0;
    // Opens `url`; where the desktop has nothing that opens it, tells the
    // user `aviso` followed by the file's path or the address, to be opened
    // by hand.
    void abrirOuAvisar(const QUrl &url, Perguntador &perguntador, QWidget *pai, const QString &titulo,
                       const QString &aviso);
};

class AreaDeTrabalhoSistema : public AreaDeTrabalho
{
public:
    bool abrirUrl(const QUrl &url) override;
};
