#pragma once

#include <QUrl>

// The desktop's default handlers (browser, PDF viewer), behind a seam so
// that tests open nothing.
class AreaDeTrabalho
{
public:
    virtual ~AreaDeTrabalho() = default;
    virtual bool abrirUrl(const QUrl &url) = 0;
};

class AreaDeTrabalhoSistema : public AreaDeTrabalho
{
public:
    bool abrirUrl(const QUrl &url) override;
};
