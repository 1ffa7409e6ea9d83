#pragma once
#include <QListWidget>
#include <QString>
#include <QStringList>
#include <optional>

struct Services;

// The pattern of the picture lists: the dotless entries match any name that ends so.
inline constexpr char DefaultPicturePattern[] = "*.bmp;*.jpg;*wmf;*.gif;*cur;*ico";

// The names of the files in folder that match one of the ";"-separated patterns, case ignored,
// in name order (case ignored); folders are left out. A folder that does not exist lists nothing.
QStringList listPictureFiles(const QString& folder, const QString& pattern);

// A file list box: the matching files of one folder, by bare name. It keeps the folder as an
// absolute path, so its names always load from there, wherever other windows have moved the
// current folder.
class PictureFileList : public QListWidget {
    Q_OBJECT
public:
    explicit PictureFileList(QWidget* parent = nullptr);

    QString Pattern() const { return pattern_; }
    void setPattern(const QString& pattern);
    QString Path() const { return folder_; }
    // Lists the folder's files afresh; nothing is selected.
    void setPath(const QString& folder);
    void Refresh() { setPath(folder_); }

    // The full path of the selected entry; nothing when no entry is selected.
    std::optional<QString> selectedFile() const;

Q_SIGNALS:
    // A click on the entry that was selected already: the selection does not change, yet a window
    // whose use of the entry depends on its own state (a mode, the sheet shown) uses it again.
    void selectedEntryClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    int pressedSelectedRow_ = -1; // the selected entry the last press fell on, or -1
    QString folder_;
    QString pattern_ = QString::fromLatin1(DefaultPicturePattern);
};

// A picture list of a window, made like any control, that starts on the picture folder last
// chosen in any window.
PictureFileList* pictureFileList(Services& services, QWidget* parent, const char* name, int left, int top,
                                 int width, int height);
