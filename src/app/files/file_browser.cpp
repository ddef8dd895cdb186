#include "app/files/file_browser.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QSortFilterProxyModel>
#include <QStorageInfo>
#include <QTreeView>

#include "app/controls/dialog_controls.h"

namespace quorvane {

namespace {

// Lists big enough to show a dozen names without scrolling sideways, in pixels.
constexpr int ListWidth = 230;
constexpr int ListHeight = 250;

constexpr QDir::Filters FolderFilter = QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives;

// A folder whose path passes through a hidden one (the program's data folder may be one) must be
// listed with hidden folders, or the list could not show it.
bool OnHiddenPath(const QString& folder) {
    for (const QString& part : folder.split('/', Qt::SkipEmptyParts)) {
        if (part.startsWith('.')) return true;
    }
    return false;
}

}  // namespace

/// The files of the folder shown, without its folders: the file system model keeps showing a
/// folder it once passed through on the way to another one, whatever its filter says.
class FilesOnly : public QSortFilterProxyModel {
public:
    explicit FilesOnly(QFileSystemModel* files, QObject* parent) : QSortFilterProxyModel(parent), Files(files) {
        setSourceModel(files);
    }
    /// Lists the files of `folder`; returns the list's root.
    QModelIndex ShowFolder(const QString& folder) {
        Root = Files->setRootPath(folder);
        invalidateFilter();
        return mapFromSource(Root);
    }
    QString FileName(const QModelIndex& index) const { return Files->fileName(mapToSource(index)); }

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
        return parent != Root || !Files->isDir(Files->index(row, 0, parent));
    }

private:
    QFileSystemModel* Files;
    QPersistentModelIndex Root;
};

FileBrowser::FileBrowser(QWidget* dialog, QGridLayout* grid, int row) : QObject(dialog) {
    Folders = new QFileSystemModel(this);
    Folders->setFilter(FolderFilter);
    Folders->setRootPath("/");
    FilesModel = new QFileSystemModel(this);
    FilesModel->setFilter(QDir::Files);
    FilesModel->setNameFilterDisables(false);
    FileList = new FilesOnly(FilesModel, this);
    FileList->sort(0);

    File1 = new QListView(dialog);
    File1->setObjectName("File1");
    File1->setModel(FileList);
    File1->setMinimumSize(ListWidth, ListHeight);
    File1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Dir1 = new QTreeView(dialog);
    Dir1->setObjectName("Dir1");
    Dir1->setModel(Folders);
    Dir1->setHeaderHidden(true);
    for (int column = 1; column < Folders->columnCount(); ++column) Dir1->hideColumn(column);
    Dir1->setMinimumSize(ListWidth, ListHeight);
    Dir1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Text2 = MakeField(dialog, "Text2");
    Drive1 = new QComboBox(dialog);
    Drive1->setObjectName("Drive1");
    FillDrives();

    grid->addWidget(MakeLabel(dialog, "Label3", "Files:", File1), row, 0);
    grid->addWidget(MakeLabel(dialog, "Label5", "Folders:", Dir1), row, 1);
    grid->addWidget(File1, row + 1, 0);
    grid->addWidget(Dir1, row + 1, 1);
    grid->addWidget(MakeLabel(dialog, "Label4", "Pattern:", Text2), row + 2, 0);
    grid->addWidget(MakeLabel(dialog, "Label6", "Drives:", Drive1), row + 2, 1);
    grid->addWidget(Text2, row + 3, 0);
    grid->addWidget(Drive1, row + 3, 1);

    connect(Drive1, &QComboBox::activated, this, &FileBrowser::Drive1_Change);
    connect(Dir1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& index) { Dir1_Change(index); });
    connect(File1, &QListView::clicked, this, &FileBrowser::File1_Click);
    connect(File1, &QListView::activated, this, [this](const QModelIndex& index) {
        File1_Click(index);
        emit FileActivated(FileList->FileName(index));
    });
    connect(Text2, &QLineEdit::textChanged, this, &FileBrowser::Text2_Change);
    // The folders on the way to the one shown are read and sorted in the background; until the
    // person picks a folder, each step brings the folder shown into view again.
    connect(Folders, &QFileSystemModel::directoryLoaded, this, &FileBrowser::FollowFolder);
    connect(Folders, &QFileSystemModel::layoutChanged, this, &FileBrowser::FollowFolder);
}

void FileBrowser::FollowFolder() {
    if (!Following) return;
    const QModelIndex index = Folders->index(Current);
    for (QModelIndex parent = index.parent(); parent.isValid(); parent = parent.parent()) Dir1->expand(parent);
    {
        const QSignalBlocker quiet(Dir1->selectionModel());
        Dir1->setCurrentIndex(index);
    }
    Dir1->scrollTo(index);
}

void FileBrowser::FillDrives() {
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        // Files mounted on their own (as containers do) are no volumes to browse.
        if (volume.isValid() && volume.isReady() && QFileInfo(volume.rootPath()).isDir()) roots << volume.rootPath();
    }
    roots.removeDuplicates();
    roots.sort();
    Drive1->addItems(roots);
}

void FileBrowser::ShowFolder(const QString& folder) {
    const QFileInfo shown(folder);
    Current = QDir::cleanPath(shown.isDir() ? shown.absoluteFilePath() : QDir::homePath());
    const QString root = QStorageInfo(Current).rootPath();
    if (Drive1->findText(root) < 0) Drive1->addItem(root);
    Drive1->setCurrentIndex(Drive1->findText(root));

    Folders->setFilter(OnHiddenPath(Current) ? FolderFilter | QDir::Hidden : FolderFilter);
    Following = true;
    FollowFolder();
    File1->setRootIndex(FileList->ShowFolder(Current));
}

void FileBrowser::ShowPattern(const QString& pattern) {
    Text2->setText(pattern);
    Text2_Change(pattern);
}

QStringList FileBrowser::Files() const {
    QStringList names;
    const QModelIndex root = File1->rootIndex();
    for (int row = 0; row < FileList->rowCount(root); ++row) names << FileList->FileName(FileList->index(row, 0, root));
    return names;
}

void FileBrowser::Drive1_Change(int row) {
    ShowFolder(Drive1->itemText(row));
    emit FolderChanged(Current);
}

void FileBrowser::Dir1_Change(const QModelIndex& index) {
    if (!index.isValid()) return;
    Following = false;
    Current = Folders->filePath(index);
    File1->setRootIndex(FileList->ShowFolder(Current));
    emit FolderChanged(Current);
}

void FileBrowser::File1_Click(const QModelIndex& index) {
    if (index.isValid()) emit FileChosen(FileList->FileName(index));
}

void FileBrowser::Text2_Change(const QString& pattern) {
    FilesModel->setNameFilters(pattern.split(';', Qt::SkipEmptyParts));
}

}  // namespace quorvane
