#pragma once

#include <windows.h>

#include "design.h"
#include "resource.h"
#include "script_lines.h"

// The program's one window: the folder field, the Run button, the menu bar and the two script
// lists, built from the design data in Project1.rc. Members are named as in that design.
class TForm1 {
  public:
    // Creates the window, hidden, and runs FormCreate.
    explicit TForm1(HINSTANCE instance);
    ~TForm1();
    TForm1(const TForm1&) = delete;
    TForm1& operator=(const TForm1&) = delete;

    // Shows the window centred on the screen.
    void Show(int showCommand);
    HWND Handle() const { return handle_; }

    HWND Label1 = nullptr;
    HWND Edit1 = nullptr;    // the chosen folder; takes no typing, only the double-click
    HWND Button5 = nullptr;  // "运行采集": runs a collection
    ScriptLines Memo1;       // the script, never shown
    ScriptLines Memo2;       // the template pieces script lines 1 and 2 are composed from
    HMENU MainMenu1 = nullptr;
    static constexpr UINT N1 = IDM_N1;  // the maker's page
    static constexpr UINT N2 = IDM_N2;  // how to use the program
    static constexpr UINT N3 = IDM_N3;  // a blank spacer with no handler

    void FormCreate();
    void Edit1DblClick();
    void Button5Click();
    void N1Click();
    void N2Click();

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK Edit1Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR, DWORD_PTR form);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void CreateControls(HINSTANCE instance);
    void LayOutControls(UINT dpi);

    HWND handle_ = nullptr;
    HWND tooltip_ = nullptr;
    HWND focus_ = nullptr;  // the control that had the keyboard focus when the window was left
    HFONT font_ = nullptr;
    FormLayout layout_;
};
