#include "ui/CheckListBox.h"

#include <windowsx.h>

#include <algorithm>

namespace ui {

CheckListBox::CheckListBox(Window& parent, const ControlSpec& spec, int itemHeight)
    : Control(parent), itemHeight_(itemHeight) {
    // Owner-drawn, so that each item shows its check box; the size stays as laid out.
    Create("LISTBOX", spec,
           LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP,
           WS_EX_CLIENTEDGE);
    // The measure message went to the parent while the list was being created: set it now.
    SendMessageA(hwnd_, LB_SETITEMHEIGHT, 0, itemHeight_);
}

void CheckListBox::AddItem(const std::string& text) {
    const LRESULT index =
        SendMessageA(hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    if (index >= 0)
        SendMessageA(hwnd_, LB_SETITEMDATA, static_cast<WPARAM>(index), 0);
}

int CheckListBox::Count() const {
    return static_cast<int>(SendMessageA(hwnd_, LB_GETCOUNT, 0, 0));
}

bool CheckListBox::Checked(int index) const {
    return SendMessageA(hwnd_, LB_GETITEMDATA, static_cast<WPARAM>(index), 0) == 1;
}

void CheckListBox::SetChecked(int index, bool checked) {
    if (index < 0 || index >= Count() || Checked(index) == checked)
        return;
    SendMessageA(hwnd_, LB_SETITEMDATA, static_cast<WPARAM>(index), checked ? 1 : 0);
    RECT rect;
    if (SendMessageA(hwnd_, LB_GETITEMRECT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&rect)) != LB_ERR) {
        InvalidateRect(hwnd_, &rect, FALSE);
    }
}

int CheckListBox::ItemIndex() const {
    return static_cast<int>(SendMessageA(hwnd_, LB_GETCURSEL, 0, 0));
}

void CheckListBox::SetItemIndex(int index) {
    SendMessageA(hwnd_, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int CheckListBox::ItemAt(POINT point) const {
    // LB_ITEMFROMPOINT answers the nearest item, also for a point below the last one.
    const LRESULT hit = SendMessageA(hwnd_, LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y));
    const int index = LOWORD(hit);
    RECT rect;
    if (HIWORD(hit) != 0 || index >= Count() ||
        SendMessageA(hwnd_, LB_GETITEMRECT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&rect)) == LB_ERR ||
        !PtInRect(&rect, point)) {
        return -1;
    }
    return index;
}

int CheckListBox::CheckColumnWidth() const {
    return itemHeight_ + 4;
}

void CheckListBox::Toggle(int index) {
    SetChecked(index, !Checked(index));
}

void CheckListBox::RaiseClick() {
    if (OnClick)
        OnClick();
}

LRESULT CheckListBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: {
            // A click posted by another program reaches a disabled list too; a user could not
            // make it.
            if (!Enabled())
                return 0;
            // A quick second click is a click like the first, not a double click.
            const int before = ItemIndex();
            const LRESULT result = CallNative(WM_LBUTTONDOWN, wParam, lParam);
            const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            const int index = ItemAt(point);
            if (index >= 0) {
                if (point.x < CheckColumnWidth())
                    Toggle(index);
                RaiseClick();
            } else if (ItemIndex() != before) {
                RaiseClick();
            }
            return result;
        }
        case WM_KEYDOWN: {
            const int before = ItemIndex();
            const LRESULT result = CallNative(message, wParam, lParam);
            if (ItemIndex() != before)
                RaiseClick();
            return result;
        }
        case WM_CHAR: {
            if (wParam == ' ') {
                if (Enabled() && ItemIndex() >= 0)
                    Toggle(ItemIndex());
                return 0;
            }
            // A letter selects the next item that starts with it.
            const int before = ItemIndex();
            const LRESULT result = CallNative(message, wParam, lParam);
            if (ItemIndex() != before)
                RaiseClick();
            return result;
        }
        default:
            break;
    }
    return CallNative(message, wParam, lParam);
}

std::optional<LRESULT> CheckListBox::HandleReflected(UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_DRAWITEM)
        return std::nullopt;
    DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    return TRUE;
}

void CheckListBox::DrawItem(const DRAWITEMSTRUCT& item) const {
    const HDC dc = item.hDC;
    RECT text = item.rcItem;
    if (item.itemID == static_cast<UINT>(-1)) {  // an empty list with the focus
        if (item.itemState & ODS_FOCUS)
            DrawFocusRect(dc, &text);
        return;
    }
    const int index = static_cast<int>(item.itemID);
    const bool enabled = Enabled();

    // The check box column keeps the window colour; the text shows the selection.
    RECT column = item.rcItem;
    column.right = std::min<LONG>(column.left + CheckColumnWidth(), item.rcItem.right);
    FillRect(dc, &column, GetSysColorBrush(COLOR_WINDOW));
    const int box = std::max(itemHeight_ - 2, 7);
    RECT check{column.left + 2, column.top + (itemHeight_ - box) / 2, 0, 0};
    check.right = check.left + box;
    check.bottom = check.top + box;
    UINT state = DFCS_BUTTONCHECK | DFCS_FLAT;
    if (Checked(index))
        state |= DFCS_CHECKED;
    if (!enabled)
        state |= DFCS_INACTIVE;
    DrawFrameControl(dc, &check, DFC_BUTTON, state);

    text.left = column.right;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    FillRect(dc, &text, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    const int length = static_cast<int>(SendMessageA(hwnd_, LB_GETTEXTLEN, item.itemID, 0));
    if (length > 0) {
        std::string label(static_cast<std::size_t>(length) + 1, '\0');
        const int copied = static_cast<int>(
            SendMessageA(hwnd_, LB_GETTEXT, item.itemID, reinterpret_cast<LPARAM>(label.data())));
        label.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
        const HGDIOBJ oldFont = SelectObject(dc, Font());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(!enabled   ? COLOR_GRAYTEXT
                                     : selected ? COLOR_HIGHLIGHTTEXT
                                                : COLOR_WINDOWTEXT));
        RECT area = text;
        area.left += 2;
        DrawTextA(dc, label.c_str(), static_cast<int>(label.size()), &area,
                  DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        SelectObject(dc, oldFont);
    }
    if (item.itemState & ODS_FOCUS)
        DrawFocusRect(dc, &text);
}

}  // namespace ui
