#include "os/commoncontrols/SaveFileDialog.h"

#include <QFileDialog>
#include <QStringList>
#include <filesystem>

#include "os/types/QtConversions.h"
#include "os/qt/WidgetWindows.h"

namespace os {

namespace {

SaveFileAnswerer& Answerer() {
    static SaveFileAnswerer answerer;
    return answerer;
}

QString FilterText(const std::vector<FileFilter>& filters) {
    QStringList entries;
    for (const FileFilter& filter : filters) {
        const QString description = ToQString(filter.description);
        const QString pattern = ToQString(filter.pattern);
        entries << (description.contains(pattern) ? description : description + " (" + pattern + ")");
    }
    return entries.join(";;");
}

std::optional<std::string> AskUser(const OPENFILENAME& parameters) {
    QFileDialog dialog(WidgetOf(parameters.owner), ToQString(parameters.title), ToQString(parameters.initialDir),
                       FilterText(parameters.filters));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(ToQString(parameters.defaultExtension));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !(parameters.flags & OFN_OVERWRITEPROMPT));
    dialog.setSizeGripEnabled((parameters.flags & OFN_ENABLESIZING) != 0);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

DWORD& LastDialogError() {
    static DWORD error = 0;
    return error;
}

}  // namespace

bool GetSaveFileName(OPENFILENAME& parameters) {
    LastDialogError() = 0;
    const std::optional<std::string> chosen = Answerer() ? Answerer()(parameters) : AskUser(parameters);
    if (!chosen || chosen->empty()) return false;
    parameters.file = *chosen;
    if (chosen->size() >= parameters.maxFile) {
        LastDialogError() = FNERR_BUFFERTOOSMALL;
        return false;
    }
    parameters.fileTitle = std::filesystem::path(*chosen).filename().string();
    if (parameters.fileTitle.size() >= parameters.maxFileTitle) parameters.fileTitle.resize(parameters.maxFileTitle - 1);
    return true;
}

DWORD CommDlgExtendedError() { return LastDialogError(); }

SaveFileAnswerer SetSaveFileAnswerer(SaveFileAnswerer answerer) {
    SaveFileAnswerer previous = std::move(Answerer());
    Answerer() = std::move(answerer);
    return previous;
}

}  // namespace os
