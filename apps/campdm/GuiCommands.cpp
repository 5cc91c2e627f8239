// campdm gui: the workbench window on a CAM document and a PDM.

#include "Command.h"
#include "CommandErrors.h"
#include "ObjectPath.h"
#include "SyncWindow.h"
#include "TerminalUiDriver.h"
#include "CamTreePane.h"
#include "DragDropTree.h"
#include "PdmPane.h"
#include "TextOutput.h"
#include "WorkbenchSession.h"
#include "WorkbenchUiDriver.h"
#include "WorkbenchWindow.h"

#include "pdm/cam/CamObject.h"
#include "platform/ui/Images.h"

#include <QApplication>
#include <QTreeWidget>

#include <cstdlib>

namespace Campdm {
namespace {

// A picture shows what a user sees after a few clicks: a machining selected with its values,
// the PDM's machining technology opened with its last object selected, and the machining's
// group dragged onto the PDM client.
void prepareForPicture(WorkbenchWindow& window, WorkbenchSession& session)
{
    QTreeWidget& cam = window.CamPane().Tree();
    const auto machinings = cam.findItems(QStringLiteral("Pocket roughing"), Qt::MatchExactly | Qt::MatchRecursive);
    if (!machinings.isEmpty()) {
        cam.setCurrentItem(machinings.front());
        if (QTreeWidgetItem* group = machinings.front()->parent()) {
            const auto object = FindCamObject(session.Document(), CamTreePane::Identity(*group));
            if (CZKObject* dragged = Vireo::Cam::Pdm::DocumentObjectOf(object))
                window.PdmClient().ShowDescription(Utf8(session.DragText(dragged)));
        }
    }
    QTreeWidget& pdm = window.PdmClient().Tree();
    const auto found = pdm.findItems(QStringLiteral("Machining technology"), Qt::MatchExactly);
    if (found.isEmpty())
        return;
    found.front()->setExpanded(true);
    if (found.front()->childCount() > 0) {
        QTreeWidgetItem* last = found.front()->child(found.front()->childCount() - 1);
        last->setExpanded(true);
        pdm.setCurrentItem(last);
    }
}

int runGui(const Arguments& args, const CommandContext& context)
{
    const std::optional<std::string> screenshot = args.Option("--screenshot");
    if (!screenshot && !HasDisplay())
        throw CommandFailed("there is no display to show the workbench on");
    if (screenshot && !HasDisplay())
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const auto document = args.OptionalWord("DOC");
    WorkbenchSession session(document ? std::optional<std::filesystem::path>(*document) : std::nullopt,
                             args.RequiredOption("--pdm"), PluginOptionsFrom(args), context);
    int argc = 1;
    char name[] = "campdm";
    char* argv[] = {name, nullptr};
    QApplication application(argc, argv);
    Images::ResourceManager::Instance().SetImageFolder(context.dataDirectory / "images");
    WorkbenchUiDriver ui(context.ui);
    const Vireo::Ui::ScopedHostUiDriver installed(ui);
    WorkbenchWindow window(session, ui);
    window.show();
    if (!screenshot)
        return QApplication::exec();
    prepareForPicture(window, session);
    QApplication::processEvents();
    if (!window.grab().save(QString::fromStdString(*screenshot), "PNG"))
        throw CommandFailed("could not write the picture to \"" + *screenshot + "\"");
    context.out << "Wrote the workbench's picture to " << *screenshot << "\n";
    return ExitSuccess;
}

} // namespace

std::vector<Command> GuiCommands()
{
    ArgumentRules rules{{}, {"DOC"}, {"--pdm", "--screenshot"}, {}};
    AddPluginOptions(rules);
    return {
        {"gui", "[DOC] --pdm DB [--screenshot FILE.png]",
         "the workbench: the CAM tree and the PDM client side by side in one window",
         "Opens DOC (or a new document) and the PDM database DB in one window: the CAM tree with\n"
         "its values on the left, the PDM's references, objects and values on the right. A right\n"
         "click on a CAM object offers the plug-in's commands; PDM objects dragged onto the CAM\n"
         "tree are created there, CAM objects dragged onto the PDM client show what an export\n"
         "would make; the tool bar synchronises; File\n"
         "saves the document (and the PDM's changes), Edit undoes and redoes. --screenshot\n"
         "FILE.png draws the window (off screen when there is no display) and writes it to FILE.png.",
         rules, runGui},
    };
}

} // namespace Campdm
