/* Resource ids of Tolvrin Shutdown Manager, shared by the resource script and
   the C++ code: plain #defines only, so that windres's preprocessor reads it
   as well as the compiler. The numbers are part of the program's outside
   (skins address controls by id), so they never change. */
#ifndef TOLVRIN_RESOURCE_H
#define TOLVRIN_RESOURCE_H

/* Dialog templates. */
#define IDD_COUNTDOWN               129
#define IDD_PASSWORD                201
#define IDD_PARAMETERS              202

/* Icons and bitmaps (separate resource types, so the numbers may repeat). */
#define IDI_APPLICATION_ICON        128
#define IDI_PASSWORD_ICON           202
#define IDB_BANNER                  128

/* Controls. IDOK (1) and IDCANCEL (2) come from the system headers. */
#define IDC_STATIC                  (-1)
#define IDC_HIDE                    3
#define IDC_HOURS_LABEL             230
#define IDC_PASSWORD_LABEL          233
#define IDC_MINUTES_LABEL           234
#define IDC_SECONDS_LABEL           235
#define IDC_PASSWORD_REPEAT_LABEL   247
#define IDC_HOURS                   269
#define IDC_MINUTES                 270
#define IDC_SECONDS                 271
#define IDC_USE_PASSWORD            272
#define IDC_PASSWORD_REPEAT         274
#define IDC_INFO                    1001
#define IDC_PASSWORD                1002
#define IDC_ACTION                  1003
#define IDC_ACTION_LABEL            1004
#define IDC_TIMER_LABEL             1005
#define IDC_BANNER                  1006

#endif /* TOLVRIN_RESOURCE_H */
