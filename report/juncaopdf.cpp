#include "report/juncaopdf.h"

#include <QFile>
#include <QIODevice>

#include <qpdf/Pipeline.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <exception>
#include <memory>
#include <stdexcept>
#include <vector>

namespace {

// The joined document goes straight to the device, not through a copy of
// it in memory: a 10-day report is tens of megabytes.
class SaidaQt : public Pipeline
{
public:
    explicit SaidaQt(QIODevice *destino)
        : Pipeline("report", nullptr)
        , destino(destino)
    {
    }
    void write(unsigned char const *dados, size_t tamanho) override
    {
        if (destino->write(reinterpret_cast<const char *>(dados), qint64(tamanho)) != qint64(tamanho))
            throw std::runtime_error(destino->errorString().toStdString());
    }
    void finish() override {}

private:
    QIODevice *destino;
};

} // namespace

namespace JuncaoPdf {

bool juntar(const QStringList &partes, QIODevice *destino, QString *erro)
{
    try {
        // The parts' files are read as their pages are copied, when the
        // result is written. A part cut short (its disk full) is an error,
        // not a document to mend.
        std::vector<std::unique_ptr<QPDF>> documentos;
        for (const QString &parte : partes) {
            auto documento = std::make_unique<QPDF>();
            documento->setSuppressWarnings(true);
            documento->setAttemptRecovery(false);
            documento->processFile(QFile::encodeName(parte).constData());
            documentos.push_back(std::move(documento));
        }
        if (documentos.empty())
            throw std::runtime_error("no pages");
        QPDFPageDocumentHelper paginas(*documentos.front());
        for (size_t i = 1; i < documentos.size(); ++i) {
            for (QPDFPageObjectHelper &pagina : QPDFPageDocumentHelper(*documentos[i]).getAllPages())
                paginas.addPage(pagina, false);
        }
        SaidaQt saida(destino);
        QPDFWriter escritor(*documentos.front());
        escritor.setOutputPipeline(&saida);
        escritor.setCompressStreams(false);
        escritor.setDecodeLevel(qpdf_dl_none);
        escritor.write();
        return true;
    } catch (const std::exception &e) {
        if (erro)
            *erro = QString::fromLocal8Bit(e.what());
        return false;
    }
}

} // namespace JuncaoPdf
