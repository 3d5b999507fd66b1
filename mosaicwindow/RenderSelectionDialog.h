// The Render Selection dialog: the look (the batch's own settings, edited
// in the real Paint and Photo Editor dialogs, those of the active photo
// window, or a saved look), the output folder, the file type and the size.
#pragma once

#include "framework/Dialog.h"
#include "mosaicwindow/LookSource.h"
#include "mosaicwindow/SelectionRendering.h"

#include <optional>

class QComboBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace kolvira {

class RenderSelectionDialog : public Dialog {
    Q_OBJECT

public:
    // `folder` is where the drawings go unless the user chooses another.
    RenderSelectionDialog(LookSource& looks, const QString& folder, int photoCount,
                          QWidget* parent = nullptr);

    // What the controls say; the settings are the batch's own or the
    // active photo window's.
    SelectionRenderRequest Request() const;

    // The batch's own settings, which Paint and Photo Editor edit.
    kolvira::RenderParameters ownSettings;

    static constexpr int kDefaultWidth = 1024;

protected:
    // Remembers the folder for the next time.
    void accept() override;

private:
    static QString RememberedFolder(const QString& photoFolder);
    void EditOwnSettings(int commandId);
    void BrowseForFolder();

    LookSource& looks_;
    QString photoFolder_; // the Mosaic's
    std::optional<PhotoWindowLook> activeLook_;
    QRadioButton* ownLook_ = nullptr;
    QRadioButton* activeWindowLook_ = nullptr;
    QRadioButton* savedLook_ = nullptr;
    QComboBox* savedLookName_ = nullptr;
    kolvira::RenderParameters savedSettings_; // read when the dialog is accepted
    QLineEdit* folder_ = nullptr;
    QComboBox* fileType_ = nullptr;
    QRadioButton* asShown_ = nullptr;
    QSpinBox* shownWidth_ = nullptr;
    QRadioButton* fullResolution_ = nullptr;
};

} // namespace kolvira
