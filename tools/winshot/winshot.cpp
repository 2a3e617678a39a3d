// Renders chosen windows of the program to PNG files without a display, for
// the README and for looking at a layout (windows that read the book use the
// company file, so point XDG_DATA_HOME at a scratch folder):
//   QT_QPA_PLATFORM=offscreen build/bin/orv_winshot OUT_DIR [frmLogin] [Orvan] ...
// With no window names it renders them all.
#include "app/Orvan.h"
#include "app/Websitefrm.h"
#include "app/frmLogin.h"
#include "ar/frmARSetup.h"
#include "gl/frmCOASetup.h"
#include "gl/frmGL.h"
#include "gl/frmGLEntry.h"
#include "gl/frmREEntry.h"
#include "sales/frmDO_Entry.h"
#include "sales/frmSale_Entry.h"
#include "support/gui/RecordingUiServices.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <functional>
#include <map>
#include <memory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvanwise"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    const QStringList args = QApplication::arguments().mid(1);
    if (args.isEmpty()) {
        fprintf(stderr, "usage: orv_winshot OUT_DIR [window ...]\n");
        return 2;
    }
    const QDir out(args.first());
    QDir().mkpath(out.absolutePath());
    const std::map<QString, std::function<orv::Window*()>> windows = {
        {QStringLiteral("frmLogin"), [] { return new orv::frmLogin(); }},
        {QStringLiteral("Orvan"), [] { return new orv::Orvan(); }},
        {QStringLiteral("Websitefrm"), [] { return new orv::Websitefrm(); }},
        {QStringLiteral("frmCOASetup"), [] { return new orv::frmCOASetup(); }},
        {QStringLiteral("frmGLEntry"), [] { return new orv::frmGLEntry(); }},
        {QStringLiteral("frmREEntry"), [] { return new orv::frmREEntry(); }},
        {QStringLiteral("frmGL"), [] { return new orv::frmGL(); }},
        {QStringLiteral("frmARSetup"), [] { return new orv::frmARSetup(); }},
        {QStringLiteral("frmDO_Entry"), [] { return new orv::frmDO_Entry(); }},
        {QStringLiteral("frmSale_Entry"), [] { return new orv::frmSale_Entry(); }},
    };
    QStringList wanted = args.mid(1);
    if (wanted.isEmpty())
        for (const auto& [name, make] : windows)
            wanted << name;
    // Messages a window shows while loading go to the terminal, never a modal box.
    orv::RecordingUiServices ui;
    int failures = 0;
    for (const QString& name : wanted) {
        const auto it = windows.find(name);
        if (it == windows.end()) {
            fprintf(stderr, "unknown window %s\n", qPrintable(name));
            ++failures;
            continue;
        }
        std::unique_ptr<orv::Window> w(it->second());
        w->load();
        w->show();
        QApplication::processEvents();
        for (const QString& text : ui.texts())
            fprintf(stderr, "%s says: %s\n", qPrintable(name), qPrintable(text));
        ui.clear();
        const QString file = out.filePath(name + QStringLiteral(".png"));
        if (!w->grab().save(file)) {
            fprintf(stderr, "cannot write %s\n", qPrintable(file));
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
