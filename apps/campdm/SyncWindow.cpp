#include "SyncWindow.h"

#include "CommandErrors.h"
#include "TerminalUiDriver.h"

#include "platform/qtui/QtUiDriver.h"
#include "platform/ui/Images.h"

#include <QApplication>
#include <QTreeWidget>
#include <QWidget>

#include <cstdlib>

namespace Campdm {
namespace {

bool isSet(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value;
}

// The first object row that differs from its PDM object, so that a picture shows the
// buttons a user then works with.
void selectFirstDifference(QWidget& window)
{
    auto* tree = window.findChild<QTreeWidget*>();
    if (!tree)
        return;
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if ((*it)->checkState(2) == Qt::PartiallyChecked) {
            tree->setCurrentItem(*it);
            return;
        }
}

} // namespace

bool HasDisplay()
{
    return isSet("DISPLAY") || isSet("WAYLAND_DISPLAY") || isSet("QT_QPA_PLATFORM");
}

Vireo::Cam::CommandOutcome RunSyncWindow(const PluginHost& plugin, CZkw32Doc& document,
                                         const std::optional<std::string>& screenshot, const CommandContext& context)
{
    // A picture needs no screen: Qt draws it off screen when there is none.
    if (screenshot && !HasDisplay())
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int argc = 1;
    char name[] = "campdm";
    char* argv[] = {name, nullptr};
    QApplication application(argc, argv);
    Images::ResourceManager::Instance().SetImageFolder(context.dataDirectory / "images");

    Vireo::QtUi::QtUiDriver driver(context.ui);
    bool written = false;
    if (screenshot) {
        driver.SetShownHook([&](QWidget& window) {
            selectFirstDifference(window);
            QApplication::processEvents();
            written = window.grab().save(QString::fromStdString(*screenshot), "PNG");
            window.close();
        });
    }
    const Vireo::Ui::ScopedHostUiDriver installed(driver);
    const auto outcome = plugin.Run(document, nullptr, PluginCommand::Synchronize);
    if (screenshot && !written)
        throw CommandFailed("could not write the picture to \"" + *screenshot + "\"");
    return outcome;
}

} // namespace Campdm
