// CCHECKBUTTON: the owner-drawn picture button of the new create-table
// dialog. It shows its normal, hovered or pressed picture, takes a rounded
// window region by its control id and never erases its background. It keeps
// no checked state: the dialog decides what a check box means and swaps its
// picture.
#ifndef LOBBYUI_CREATE_CHECK_BUTTON_H
#define LOBBYUI_CREATE_CHECK_BUTTON_H

#include <windows.h>

#include <string>

#include <lobbyui/gdi.h>

#include "create/new_create_pictures.h"
#include "create/table_create_new_rules.h"
#include "win/hover_button.h"

class CCHECKBUTTON : public CHoverButton {
public:
    CCHECKBUTTON() = default;

    // Takes over control `id` of `owner` and gives it the region of its id.
    // The hovered and pressed pictures are read from `pictures` when first
    // needed.
    BOOL TakeOver(UINT id, const CWnd& owner, const NewCreatePictures* pictures);

    // Loads the picture file as the normal picture and repaints the button.
    void SetImage(const std::wstring& path);
    void SetImage(int pictureIndex);
    int ImageIndex() const { return m_normalIndex; }

    BOOL OnChildNotify(UINT msg, WPARAM w, LPARAM l, LRESULT* result) override;

private:
    // The picture for an item state: pressed, hovered or normal; a state
    // whose picture cannot be loaded shows the normal one.
    HBITMAP PictureFor(UINT itemState);
    HBITMAP LoadOnce(CBitmap& slot, int index);

    const NewCreatePictures* m_pPictures = nullptr;
    CheckButtonLook m_look = NewCreateControlRow(0).look;
    int m_normalIndex = -1;
    std::wstring m_normalPath;
    CBitmap m_normal;
    CBitmap m_hover;
    CBitmap m_pressed;
};

#endif
