#include "widget_dialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace quorvel {

namespace {

QMessageBox::Icon boxIcon(Icon icon) {
    switch (icon) {
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Stop:
    case Icon::Critical:
        return QMessageBox::Critical;
    case Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons boxButtons(Buttons buttons) {
    switch (buttons) {
    case Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Buttons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

// "*.*" matches every file only on Windows; elsewhere names without a dot,
// like the proposed ones, would be hidden.
QStringList fileFilters() {
#ifdef Q_OS_WIN
    const QString all = QStringLiteral("All Files (*.*)");
#else
    const QString all = QStringLiteral("All Files (*)");
#endif
    return {all, QCoreApplication::translate("Dialogs", "MSR Data Files (*.msr)")};
}

std::optional<QString> runFileDialog(QWidget* parent, QFileDialog::AcceptMode mode,
                                     const QString& proposedName, const QString& folder) {
    QFileDialog dialog(parent);
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        dialog.setDirectory(folder);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    // The program asks its own overwrite question and adds no extension.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDefaultSuffix(QString());
    const QStringList filters = fileFilters();
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.at(1));
    if (!proposedName.isEmpty())
        dialog.selectFile(proposedName);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedFiles().value(0);
}

} // namespace

Answer WidgetDialogs::ask(const Message& message) {
    QMessageBox box(boxIcon(message.icon), message.title, message.text, boxButtons(message.buttons),
                    m_parent);
    // A path such as "<b>x.msr" is data: shown as markup it would name another file.
    box.setTextFormat(Qt::PlainText);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        break;
    }
    return message.buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
}

std::optional<QString> WidgetDialogs::openFileName() {
    return runFileDialog(m_parent, QFileDialog::AcceptOpen, QString(), startFolder());
}

std::optional<QString> WidgetDialogs::saveFileName(const QString& proposedName) {
    return runFileDialog(m_parent, QFileDialog::AcceptSave, proposedName, startFolder());
}

} // namespace quorvel
