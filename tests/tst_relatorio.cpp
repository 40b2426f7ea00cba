#include "app/inicio.h"
#include "data/acessararquivo.h"
#include "data/dadoslaudo.h"
#include "data/grupo.h"
#include "data/jornada.h"
#include "evaluation/avaliacaojornada.h"
#include "data/layoutmedida.h"
#include "data/leitoramostras.h"
#include "instrumentoteste.h"
#include "platform/trabalhoaolado.h"
#include "report/juncaopdf.h"
#include "report/relatorio.h"
#include "servicosteste.h"
#include "platform/guardasaida.h"
#include "viewer/janeladadoslaudo.h"
#include "viewer/medidas.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QPushButton>
#include <QProgressDialog>
#include <QTimer>
#include <QTableView>
#include <QTextEdit>
#include <QtTest>

#include <optional>

// The PDF report as written: pages, texts and files on disk.
class TstRelatorio : public QObject
{
    Q_OBJECT

private:
    // What a poppler tool printed about a PDF.
    static QString poppler(const QString &ferramenta, const QStringList &argumentos)
    {
        QProcess p;
        p.start(ferramenta, argumentos);
        p.waitForFinished(60000);
        return QString::fromUtf8(p.readAllStandardOutput());
    }

    static QString pagina(const QString &pdf, int n)
    {
        const QString k = QString::number(n);
        return poppler("pdftotext", {"-layout", "-f", k, "-l", k, pdf, "-"});
    }

    static int imagens(const QString &pdf, int n)
    {
        const QString k = QString::number(n);
        const QStringList linhas = poppler("pdfimages", {"-list", "-f", k, "-l", k, pdf}).split('\n');
        int total = 0;
        for (const QString &l : linhas.mid(2))
            total += l.section(' ', 0, 0, QString::SectionSkipEmpty) == k && l.contains(" image ");
        return total;
    }

    static int paginas(const QString &pdf)
    {
        for (const QString &l : poppler("pdfinfo", {pdf}).split('\n'))
            if (l.startsWith("Pages:"))
                return l.mid(6).trimmed().toInt();
        return -1;
    }

    // A store with the simulated measurements, evaluated.
    struct Armazem : BancadaTeste {
        const QStringList medidas = levarAoArmazem();
        using BancadaTeste::BancadaTeste;
        // kt9400-cli with its helper in a folder of their own, beside a
        // language file naming the catalog.
        QString cliEm(const QString &catalogo) const
        {
            QDir().mkpath(dir.filePath("bin"));
            const QString cli = dir.filePath("bin/kt9400-cli");
            if (!QFile::copy(KT_CLI, cli) || !QFile::copy(KT_RELATORIO, dir.filePath("bin/kt9400-relatorio")))
                return QString();
            escreverBytes(dir.filePath("bin/lingua.lg"), (":/language/" + catalogo + ".qm").toUtf8());
            return cli;
        }
    };

private slots:
    void initTestCase()
    {
        Inicio::registrarRecursos();
        // The report is read back with poppler's tools: without them every
        // check would fail on an empty text.
        for (const char *ferramenta : {"pdftotext", "pdfimages", "pdfinfo"})
            QVERIFY2(!QStandardPaths::findExecutable(ferramenta).isEmpty(),
                     qPrintable(QString("%1 is missing: install poppler-utils (scripts/instalar-dependencias)")
                                    .arg(ferramenta)));
    }

    void cleanup()
    {
        fecharCaixas();
    }

    // The report as kt9400-cli writes it, headless, in the program's
    // language: the Portuguese catalog's texts without a language file, the
    // chosen one with it (lingua.lg beside the program).
    void paginasETextos()
    {
        Armazem a(3, 120);
        const QString pdf = a.dir.filePath("r.pdf");
        // MED003: whole body and hand-arm, 1 to 3 partial exposures of 2
        // components; its stored results in known bands.
        const QString id = LayoutMedida::arquivoExposicao(a.medidas.at(2));
        QVERIFY(trocarCampo(id, "aren_mao", "1.5") && trocarCampo(id, "aren_corpo", "1.0") && trocarCampo(id, "vdvr", "22"));
        QCOMPARE(executarCli({"report", a.medidas.at(2), pdf}).status, 0);
        AcessarArquivo e;
        e.lerExposicao(LayoutMedida::arquivoExposicao(a.medidas.at(2)));
        // The page order is the layout's (its own tests); here, what the PDF
        // holds. The logo; both charts are drawn as vectors, their labels text.
        const QString p1 = pagina(pdf, 1);
        for (const QString &t : {e.getId_equipamento(), e.getVdvr(), e.getAren_mao()})
            QVERIFY(p1.contains(t));
        QCOMPARE(imagens(pdf, 3), 1);
        QVERIFY(pagina(pdf, 3).contains(QString::fromUtf8("Frequência [Hz]")));
        // The band chart fills its 540 x 210 points from (25, 600): its
        // axis title centred under it, at its foot.
        const QRegularExpression titulo(QString::fromUtf8("xMin=\"([\\d.]+)\" yMin=\"[\\d.]+\" xMax=\"[\\d.]+\" "
                                                          "yMax=\"([\\d.]+)\">Frequência<"));
        const QRegularExpressionMatch m = titulo.match(poppler("pdftotext", {"-bbox", "-f", "3", "-l", "3", pdf, "-"}));
        QVERIFY(m.hasMatch());
        QVERIFY2(qAbs(m.captured(1).toDouble() - 278) < 15 && qAbs(m.captured(2).toDouble() - 802) < 10,
                 qPrintable(m.captured(0)));
        QCOMPARE(imagens(pdf, 4), 1); // the logo
        QVERIFY(pagina(pdf, 4).contains("Tabela da Componente 1"));
        QVERIFY(pagina(pdf, 4).contains("VDVexpZ"));
        // Its first row, each cell under its column: time, amX, amY, amZ
        // and the three VDVs.
        LeitorAmostras linha(LayoutRelatorio::componentesDoRelatorio(a.medidas.at(2)).first() + ".dat");
        QVERIFY(linha.proxima());
        QStringList celulas;
        for (const int c : {0, 1, 2, 3, 5, 6, 7})
            celulas << QRegularExpression::escape(linha.celula(c));
        const QRegularExpression primeira("\\n\\s*" + celulas.join("\\s+") + "\\s");
        QVERIFY2(primeira.match(pagina(pdf, 4)).hasMatch(), qPrintable(celulas.join(' ') + " not in\n" + pagina(pdf, 4)));
        QCOMPARE(QDir(a.dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"r.pdf"});

        // The last page: the identification, both criteria with their
        // figures, bands, statuses and actions, and their sources.
        const QString ultima = pagina(pdf, paginas(pdf));
        for (const char *t : {"Aceitável", "Região de incerteza", "Acima do limite de exposição", "Portaria MTP nº 426/2021"})
            QVERIFY2(ultima.contains(QString::fromUtf8(t)), qPrintable(QString::fromUtf8(t) + " not in\n" + ultima));
        for (const QString &t : {e.getId_equipamento(), e.getAren_mao(), e.getVdvr()})
            QVERIFY2(ultima.contains(t), qPrintable(t + " not in\n" + ultima));
        QVERIFY(ultima.contains(QString::fromUtf8("Avaliação da exposição")));

        QCOMPARE(executarCli({"report", a.medidas.at(0), a.dir.filePath("en.pdf")}, a.cliEm("ingles")).status, 0);
        const QString ingles = pagina(a.dir.filePath("en.pdf"), paginas(a.dir.filePath("en.pdf")));
        QVERIFY2(ingles.contains("Exposure assessment") && ingles.contains("Brazil: NR-09 and NR-15"), qPrintable(ingles));
    }

    // The laudo of a measurement, by kt9400-cli as the user runs it: its
    // texts read back from the PDF (pdftotext) or the ODT (content.xml),
    // and the warnings on the standard error.
    void laudo_data()
    {
        QTest::addColumn<QString>("lingua"); // the language file beside the program; none: Portuguese
        QTest::addColumn<QString>("dados");  // "completos", "nenhum", "vencido"
        QTest::addColumn<int>("amostras");
        QTest::addColumn<QString>("formato"); // "pdf", "odt", "pdf --charts"
        QTest::addColumn<QStringList>("textos");
        QTest::addColumn<QStringList>("avisos"); // none: no warning at all
        const QStringList completos{"Página 1 de", "Laudo nº 17/2026", "Portaria MTP nº 426/2021", "CREA-SP 5061234567",
                                    "Operador de retroescavadeira", "CERT-0042"};
        QTest::newRow("complete, PDF") << "" << "completos" << 60 << "pdf" << completos << QStringList{};
        QTest::newRow("complete, ODT") << "" << "completos" << 60 << "odt" << QStringList(completos.mid(1)) << QStringList{};
        QTest::newRow("complete, Spanish") << "espanhol" << "completos" << 60 << "pdf" << QStringList{"CERT-0042"}
                                           << QStringList{};
        QTest::newRow("complete, English") << "ingles" << "completos" << 60 << "pdf" << QStringList{"CERT-0042"}
                                           << QStringList{};
        QTest::newRow("nothing filled") << "" << "nenhum" << 60 << "pdf" << QStringList{"não informado", "Página 1 de"}
                                        << QStringList{"Funcionário avaliado não informado.",
                                                       "sem certificado de calibração", "sem verificação de campo"};
        QTest::newRow("certificate expired before the measurement")
            << "" << "vencido" << 60 << "pdf" << QStringList{"(vencido)"} << QStringList{"CERT-0042 vencido em 31/12/2023"};
        QTest::newRow("with the charts' annex") << "" << "completos" << 60 << "pdf --charts"
                                               << QStringList{"Anexo: aceleração de cada componente"} << QStringList{};
        QTest::newRow("a jornada of the measurement's tasks") << "" << "jornada" << 60 << "pdf"
                                                             << QStringList{"Jornada Dia", "Página 1 de", "00:45:00", "01:30:00",
                                                                            "José da Silva"}
                                                             << QStringList{"Número do laudo não informado."};
        QTest::newRow("a group of the measurement and of a jornada of it")
            << "" << "grupo" << 60 << "pdf"
            << QStringList{"Grupo GES 1", "Membros do grupo", "O veredito do grupo é o do seu membro mais exposto", "Dia"}
            << QStringList{"Número do laudo não informado."};
        QTest::newRow("a day of 86,400 samples: the pages of 60") << "" << "completos" << 86400 << "pdf" << completos
                                                                   << QStringList{};
    }

    void laudo()
    {
        QFETCH(QString, lingua);
        QFETCH(QString, dados);
        QFETCH(int, amostras);
        QFETCH(QString, formato);
        QFETCH(QStringList, textos);
        QFETCH(QStringList, avisos);
        // The same measurement recorded for longer or shorter: its laudo.
        int componentes = 0;
        const auto escrever = [&](int n, const QString &saida) {
            Armazem a(1, n);
            const QString medida = a.medidas.at(0);
            QVERIFY(trocarCampo(LayoutMedida::arquivoExposicao(medida), "aren_corpo", "0.95"));
            componentes = LayoutRelatorio::componentesDoRelatorio(medida).size();
            const QString perfil = a.armazem + "Perfil";
            QDir().mkpath(perfil);
            // The profile, the calibrations and the laudo's own data as the
            // program's dialogs write them.
            if (dados != "nenhum") {
                const QString id = LayoutMedida::arquivoExposicao(medida);
                for (const auto &[chave, valor] : {std::pair{"empresa_avaliadora", "Higiene Sul Ltda."},
                                                   {"responsavel_tecnico", "Bruno Lima"},
                                                   {"empresa_avaliada", "Construtora Horizonte"},
                                                   {"funcionario_avaliado", "Jos\xe9 da Silva"},
                                                   {"setor", "Terraplenagem"}})
                    QVERIFY(trocarCampo(id, chave, valor));
                escreverBytes(perfil + "/perfil.id", "Higiene Sul Ltda.;Ana Souza;Bruno Lima");
                escreverBytes(perfil + "/perfil_laudo.id", "titulo_2;Engenheiro de Seguran\xe7" "a do Trabalho;\n"
                              "registro_2;CREA-SP 5061234567;\ncnpj;12.345.678/0001-90;\ncidade;Campinas;\n");
                escreverBytes(perfil + "/calibracoes.id",
                              "calibracao;instrumento;" + a.id().toLatin1() + ";CERT-0042;Lab A;2023-01-10;"
                                  + (dados == "vencido" ? "2023-12-31" : "2030-01-01")
                                  + ";\ncalibracao;acelerometro;SC-1;CERT-0043;Lab A;2023-06-01;2030-01-01;\n"
                                    "calibracao;acelerometro;SM-1;CERT-0044;Lab A;2023-06-01;2030-01-01;\n"
                                    "calibracao;calibrador;CAL-9;CERT-0045;Lab B;2023-06-01;2030-01-01;\n");
                escreverBytes(DadosLaudo::arquivo(medida),
                              "numero_laudo;17/2026;\nfuncao;Operador de retroescavadeira;\nges;GES 3;\n"
                              "atividades;Escava\xe7\xe3o de valas.;\nprotecao;Assento com suspens\xe3o.;\n"
                              "local_emissao;Campinas;\ndata_emissao;07/12/2026;\nsensor_mao;SM-1;\nsensor_corpo;SC-1;\n"
                              "verificacao_corpo;10;10.1;9.9;\nverificacao_mao;10;10;10.2;\n");
            }
            const QString cli = lingua.isEmpty() ? QString(KT_CLI) : a.cliEm(lingua);
            // A jornada of every task of the measurement, twice 45 minutes each.
            QString alvo = medida;
            if (dados == "jornada" || dados == "grupo") {
                Jornada j;
                for (const QString &corpo : LayoutMedida::pastasCorpo(medida))
                    j.tarefas.append({QDir(a.armazem).relativeFilePath(corpo), "2", "00:45:00"});
                QDir().mkpath(Jornada::pasta(a.armazem));
                alvo = Jornada::arquivo(a.armazem, "Dia");
                QVERIFY(j.gravar(alvo));
                const AvaliacaoJornada dia = AvaliacaoJornada::avaliar(j, a.armazem);
                textos << QLocale(QLocale::Portuguese, QLocale::Brazil).toString(
                    dia.maoCalculada() ? dia.avaliacao.nrMao.valor : dia.avaliacao.nrCorpo.valor, 'g', 6);
                if (dados == "grupo") {
                    QDir().mkpath(Grupo::pasta(a.armazem));
                    alvo = Grupo::arquivo(a.armazem, "GES 1");
                    escreverBytes(alvo, "medida;" + LayoutMedida::nomePasta(medida).toUtf8() + ";\njornada;Dia;\n");
                }
            }
            const ExecucaoCli r = executarCli(QStringList{"laudo", alvo, saida} + formato.split(' ').mid(1), cli);
            QCOMPARE(r.status, 0);
            const QStringList linhas = QString::fromUtf8(r.erros).split('\n', Qt::SkipEmptyParts).filter("warning:");
            if (avisos.isEmpty())
                QVERIFY2(linhas.isEmpty(), qPrintable(linhas.join('\n')));
            for (const QString &aviso : avisos)
                QVERIFY2(!linhas.filter(aviso).isEmpty(), qPrintable(aviso + " not in\n" + linhas.join('\n')));
            if (dados == "jornada" || dados == "grupo")
                return;
            // The decimal separator of the language, in the whole-body result
            // stored, and its band.
            textos << (lingua == "ingles" ? "0.95" : "0,95");
            if (lingua.isEmpty())
                textos << QString::fromUtf8("Região de incerteza");
        };
        QTemporaryDir d;
        const QString saida = d.filePath("laudo." + formato.section(' ', 0, 0));
        escrever(amostras, saida);
        if (QTest::currentTestFailed())
            return;
        const QString texto = formato == "odt" ? QString::fromUtf8(executarCli({"-p", saida, "content.xml"}, "unzip").saida)
                                               : poppler("pdftotext", {saida, "-"});
        for (const QString &t : qAsConst(textos))
            QVERIFY2(texto.contains(t), qPrintable(t + " not in\n" + texto));
        // One chart for each component, or none.
        if (formato.startsWith("pdf")) {
            int imagensTotal = 0;
            for (int p = 1; p <= paginas(saida); ++p)
                imagensTotal += imagens(saida, p);
            QCOMPARE(imagensTotal, formato.endsWith("--charts") ? componentes : 0);
        }
        if (amostras > 60) {
            const QString curto = d.filePath("curto.pdf");
            escrever(60, curto);
            QCOMPARE(paginas(saida), paginas(curto));
        }
    }

    // A report that cannot be written whole leaves an older file of that
    // name as it was, nothing beside it, and says where and why.
    void falhaMantemArquivoAntigo_data()
    {
        QTest::addColumn<QString>("caso");
        QTest::addColumn<QString>("motivo");
        QTest::addColumn<int>("partes"); // drawn whole, or in two parts joined
        QTest::newRow("disk full") << "cheio" << "No space left on device" << 1;
        QTest::newRow("disk full, in two parts") << "cheio" << "No space left on device" << 2;
        QTest::newRow("temporary folder full") << "tmp cheio" << "No space left on device" << 2;
        QTest::newRow("missing folder") << "nao/existe" << "" << 1;
        QTest::newRow("the name is a folder") << "pasta" << "" << 1;
        QTest::newRow("under a file") << "arquivo" << "" << 1;
        QTest::newRow("stopped by the user") << "parado" << "interrompido" << 1;
        QTest::newRow("stopped by the user, in two parts") << "parado" << "interrompido" << 2;
    }

    void falhaMantemArquivoAntigo()
    {
        QFETCH(QString, caso);
        QFETCH(QString, motivo);
        QFETCH(int, partes);
        Armazem a(1, 60);
        const QString pasta = a.dir.filePath("saida");
        QDir().mkpath(pasta);
        std::optional<DiscoCheio> disco;
        const QByteArray tmp = qgetenv("TMPDIR");
        const auto restaurar = qScopeGuard([&] { qputenv("TMPDIR", tmp); });
        if (caso == "tmp cheio")
            qputenv("TMPDIR", QFile::encodeName(a.dir.filePath("tmp")));
        if (caso.endsWith("cheio") && !disco.emplace(caso == "cheio" ? pasta : a.dir.filePath("tmp")).ok)
            QSKIP("mounting a small file system needs root");
        QString pdf = pasta + "/r.pdf";
        if (caso == "nao/existe" || caso == "arquivo")
            pdf = pasta + "/" + caso + "/r.pdf";
        if (caso == "arquivo")
            escreverBytes(pasta + "/arquivo", "x");
        if (caso == "pasta")
            QDir().mkpath(pdf);
        if (caso == "cheio" || caso == "parado")
            escreverBytes(pdf, "antigo");
        if (disco)
            disco->encher();
        const auto antes = conteudoDe(pasta);
        QString erro;
        QVERIFY(!Relatorio::escrever(
            a.medidas.at(0), pdf, &erro, [&](int feitos, int) { return caso != "parado" || feitos < 1; }, partes));
        QVERIFY2(erro.startsWith(pdf + ": ") && erro.contains(motivo), qPrintable(erro));
        QCOMPARE(conteudoDe(pasta), antes);
    }

    // A long report drawn in two parts at once and joined has the pages,
    // the text and the pictures of the one drawn whole.
    void emPartes()
    {
        Armazem a(1, 600);
        const QString uma = a.dir.filePath("uma.pdf");
        const QString duas = a.dir.filePath("duas.pdf");
        QVERIFY(Relatorio::escrever(a.medidas.at(0), uma, nullptr, {}, 1));
        QVERIFY(Relatorio::escrever(a.medidas.at(0), duas, nullptr, {}, 2));
        QVERIFY2(paginas(uma) > 10, qPrintable(QString::number(paginas(uma))));
        QCOMPARE(paginas(duas), paginas(uma));
        const QString texto = poppler("pdftotext", {"-layout", uma, "-"});
        QVERIFY(texto.contains("Tabela da Componente"));
        QCOMPARE(poppler("pdftotext", {"-layout", duas, "-"}), texto);
        for (int p : {1, 3, paginas(uma) / 2, paginas(uma) / 2 + 1, paginas(uma)})
            QCOMPARE(imagens(duas, p), imagens(uma, p));
        QCOMPARE(QDir(a.dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"duas.pdf", "uma.pdf"}));
        // A part cut short (its disk full) is refused, not joined.
        const QString cortada = a.dir.filePath("cortada.pdf");
        escreverBytes(cortada, lerBytes(uma).left(int(QFileInfo(uma).size()) / 2));
        QBuffer juntas;
        juntas.open(QIODevice::WriteOnly);
        QString erro;
        QVERIFY(!JuncaoPdf::juntar({uma, cortada}, &juntas, &erro));
        QVERIFY2(erro.startsWith(cortada + ": "), qPrintable(erro));
    }

    // The viewer's buttons. Gerar Relatório saves the observation typed
    // there first, then asks where, starting in the store's PDF folder on a
    // name made of the measurement's name (a "/" it holds replaced) and
    // time; a name typed without a suffix gets ".pdf". The report is written
    // and opened, or on a desktop without a PDF viewer the user is told
    // where it is; one that cannot be written is said; Cancelar on the note,
    // or "Sim" to closing the viewer meanwhile, stops before the next
    // component, the viewer closing once the work has ended. Gerar Laudo:
    // what is typed in its dialog is kept with the measurement and printed,
    // and the dialog's list of what is missing follows the typing. Whatever
    // is not written leaves an older file of that name as it was, nothing
    // beside it.
    void botaoDoVisor_data()
    {
        QTest::addColumn<QString>("botao");
        QTest::addColumn<QString>("escolhido"); // in the file dialog; "" cancels it
        QTest::addColumn<QString>("escrito");   // "": nothing written
        QTest::addColumn<bool>("cancelar");     // on the report's note or in the laudo's dialog
        const QString relatorio = "pushButton_GerarPDF", laudo = "pushButton_GerarLaudo";
        QTest::newRow("written") << relatorio << "visor.pdf" << "visor.pdf" << false;
        QTest::newRow("no suffix") << relatorio << "visor" << "visor.pdf" << false;
        QTest::newRow("other suffix") << relatorio << "visor.txt" << "visor.txt" << false;
        QTest::newRow("cannot write") << relatorio << "nao/visor.pdf" << "" << false;
        QTest::newRow("file dialog cancelled") << relatorio << "" << "" << false;
        QTest::newRow("nothing opens PDF") << relatorio << "visor.pdf" << "visor.pdf" << false;
        QTest::newRow("Cancelar on the note") << relatorio << "visor.pdf" << "" << true;
        QTest::newRow("viewer closed meanwhile") << relatorio << "visor.pdf" << "" << true;
        QTest::newRow("laudo typed in its dialog") << laudo << "visor.pdf" << "visor.pdf" << false;
        QTest::newRow("laudo dialog cancelled") << laudo << "visor.pdf" << "" << true;
    }

    void botaoDoVisor()
    {
        QFETCH(QString, botao);
        QFETCH(QString, escolhido);
        QFETCH(QString, escrito);
        QFETCH(bool, cancelar);
        const bool laudo = botao == "pushButton_GerarLaudo";
        Armazem a(1, cancelar && !laudo ? 20000 : 10);
        const QString id = LayoutMedida::arquivoExposicao(a.medidas.at(0));
        QVERIFY(trocarCampo(id, "nome_exposicao", "Linha 3/B-240115083000") && trocarCampo(id, "data_criacao", "15/01/2024"));
        ServicosTeste s;
        s.area.temPrograma = QTest::currentDataTag() != QLatin1String("nothing opens PDF");
        Medidas m(a.armazem, s.servicos());
        new GuardaSaida(&m, s.perguntador);
        m.show();
        m.findChild<QPushButton *>("pushButton_Sincronizar")->click();
        TrabalhoAoLado::aguardar();
        QTableView *t = m.findChild<QTableView *>("tableView_ExpResultante");
        t->setCurrentIndex(t->model()->index(0, 0));
        QCoreApplication::processEvents();
        TrabalhoAoLado::aguardar();
        m.findChild<QTextEdit *>("textEdit_Observacao")->setPlainText("Vibração alta na prensa");
        escreverBytes(a.dir.filePath("visor.pdf"), "antigo");
        if (!escolhido.isEmpty())
            s.perguntador.pastas = {a.dir.filePath(escolhido)};
        QTimer clique;
        QObject::connect(&clique, &QTimer::timeout, [] {
            for (QWidget *w : QApplication::topLevelWidgets())
                if (auto *nota = qobject_cast<QProgressDialog *>(w))
                    nota->findChild<QPushButton *>()->click();
        });
        const bool fechar = QTest::currentDataTag() == QLatin1String("viewer closed meanwhile");
        if (cancelar && !laudo && !fechar)
            clique.start(0);
        m.findChild<QPushButton *>(botao)->click();
        if (fechar) {
            QVERIFY(TrabalhoAoLado::emAndamento());
            s.perguntador.respostas = {true};
            m.close();
        }
        if (laudo) {
            auto *dialogo = m.findChild<JanelaDadosLaudo *>();
            QVERIFY(dialogo && dialogo->isVisible());
            const auto pendencias = [&] {
                QStringList p;
                auto *lista = dialogo->findChild<QListWidget *>("listWidget_Avisos");
                for (int i = 0; i < lista->count(); ++i)
                    p << lista->item(i)->text();
                return p;
            };
            QVERIFY(pendencias().contains(QString::fromUtf8("Número do laudo não informado.")));
            QTest::keyClicks(dialogo->findChild<QLineEdit *>("lineEdit_Numero"), "12/2026");
            QTest::keyClicks(dialogo->findChild<QLineEdit *>("lineEdit_Funcao"), "Prensista");
            QVERIFY(!pendencias().contains(QString::fromUtf8("Número do laudo não informado.")));
            QVERIFY(!pendencias().contains(QString::fromUtf8("Função do trabalhador não informada.")));
            dialogo->findChild<QPushButton *>(cancelar ? "pushButton_Cancelar" : "pushButton_Gerar")->click();
        }
        TrabalhoAoLado::aguardar();
        QTRY_COMPARE(m.isVisible(), !fechar);
        if (!laudo)
            QCOMPARE(s.perguntador.perguntas.filter(QRegularExpression("^(?!Sair \\| )")), QStringList{QString::fromUtf8("Destino do Relatório - PDF | ") + a.armazem
                                                          + "Arquivos PDF/Linha 3_B 2024-01-15 08h30.pdf"});
        AcessarArquivo e;
        e.lerExposicao(id);
        QCOMPARE(e.getObservacoes(), laudo ? QString(" ") : QString::fromUtf8("Vibração alta na prensa"));
        QCOMPARE(QDir(a.dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"visor.pdf"} + (escrito.endsWith(".txt") ? QStringList{escrito} : QStringList()));
        QCOMPARE(lerBytes(a.dir.filePath("visor.pdf")) == "antigo", escrito != "visor.pdf");
        QCOMPARE(s.area.abertas,
                 escrito.isEmpty() ? QList<QUrl>() : QList<QUrl>{QUrl::fromLocalFile(a.dir.filePath(escrito))});
        // Said: a report that could not be written, or where one is.
        QCOMPARE(s.perguntador.mensagens.size(), int(escolhido.startsWith("nao/") || !s.area.temPrograma));
        QVERIFY(s.area.temPrograma || s.perguntador.mensagens.first().endsWith("\n" + a.dir.filePath(escrito)));
        QCOMPARE(QFileInfo::exists(DadosLaudo::arquivo(a.medidas.at(0))), laudo && !cancelar);
        if (escrito.isEmpty())
            return;
        const QString texto = poppler("pdftotext", {a.dir.filePath(escrito), "-"});
        const QStringList esperados = laudo ? QStringList{QString::fromUtf8("Laudo nº 12/2026"), "Prensista"}
                                            : QStringList{QString::fromUtf8("Vibração alta na prensa")};
        for (const QString &t : esperados)
            QVERIFY2(texto.contains(t), qPrintable(t));
    }
};

QTEST_MAIN(TstRelatorio)
#include "tst_relatorio.moc"
