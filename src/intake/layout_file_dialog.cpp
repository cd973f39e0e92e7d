#include "intake/layout_file_dialog.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace intake {

namespace {

bool isBundle(const QString& path)
{
    return path.endsWith(QStringLiteral(".bundle"), Qt::CaseInsensitive);
}

}  // namespace

LayoutFileDialog::LayoutFileDialog(QWidget* parent)
    : QFileDialog(parent, title())
{
    setFileMode(QFileDialog::ExistingFile);
    setNameFilter(tr("Keyboard layouts (*.keylayout *.bundle)"));
    const QString downloads = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    if (!downloads.isEmpty() && QDir(downloads).exists())
        setDirectory(downloads);
#ifndef Q_OS_MACOS
    // Elsewhere the platform's chooser would only open a folder, never choose it.
    setOption(QFileDialog::DontUseNativeDialog);
#endif
    connect(this, &QFileDialog::directoryEntered, this, [this](const QString& path) {
        if (isBundle(path))
            chooseBundle(path);
    });
}

QString LayoutFileDialog::title()
{
    return tr("Choose a keyboard layout to install");
}

std::optional<QUrl> LayoutFileDialog::choose(QWidget* parent)
{
    LayoutFileDialog dialog(parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosen();
}

std::optional<QUrl> LayoutFileDialog::chosen() const
{
    return chosen_;
}

void LayoutFileDialog::accept()
{
    const QStringList files = selectedFiles();
    if (files.size() == 1 && isBundle(files.first()) && QFileInfo(files.first()).isDir())
        chooseBundle(files.first());
    else
        QFileDialog::accept();
}

void LayoutFileDialog::done(int result)
{
    if (result == QDialog::Accepted && !chosen_ && !selectedUrls().isEmpty())
        chosen_ = selectedUrls().first();
    QFileDialog::done(result);
}

void LayoutFileDialog::chooseBundle(const QString& bundle)
{
    chosen_ = QUrl::fromLocalFile(bundle);
    QDialog::accept();
}

}  // namespace intake
