#pragma once

#include <QString>
#include <QWidget>

class QComboBox;
class QFileSystemModel;
class QGridLayout;
class QLineEdit;
class QListView;
class QModelIndex;
class QTreeView;

namespace quorvane {

class FilesOnly;

/// The drive, folder and file lists and the pattern box the file dialogs share. The drive list
/// offers the roots of the mounted volumes; the folder and file lists are views of the file
/// system. Controls: Drive1, Dir1, File1, Text2 (pattern), with their captions Label3..Label6.
class FileBrowser : public QObject {
    Q_OBJECT
public:
    /// Builds the controls into `grid` of `dialog`, from row `row` down, over two columns.
    FileBrowser(QWidget* dialog, QGridLayout* grid, int row);

    /// The folder list shows `folder` (on its volume) and the file list its files; a folder that
    /// does not exist gives the home folder.
    void ShowFolder(const QString& folder);
    QString Folder() const { return Current; }
    /// The file list takes the pattern ("*.vqe"; several separated by ";").
    void ShowPattern(const QString& pattern);
    /// The file list's files, in the order shown; empty until the folder has been read.
    QStringList Files() const;

    QComboBox* Drive1 = nullptr;
    QTreeView* Dir1 = nullptr;
    QListView* File1 = nullptr;
    QLineEdit* Text2 = nullptr;

signals:
    /// The person chose another drive or folder.
    void FolderChanged(const QString& folder);
    /// A file of the folder shown was clicked or reached with the keys.
    void FileChosen(const QString& fileName);
    /// A file was double-clicked or Enter was pressed on it.
    void FileActivated(const QString& fileName);

private:
    void Drive1_Change(int row);
    void Dir1_Change(const QModelIndex& index);
    void File1_Click(const QModelIndex& index);
    void Text2_Change(const QString& pattern);
    void FillDrives();
    /// Expands the folder list down to the folder shown, selects it and scrolls it into view.
    void FollowFolder();

    QFileSystemModel* Folders = nullptr;
    QFileSystemModel* FilesModel = nullptr;
    FilesOnly* FileList = nullptr;
    QString Current;
    bool Following = false;   ///< the folder list keeps the folder shown in view while it loads
};

}  // namespace quorvane
