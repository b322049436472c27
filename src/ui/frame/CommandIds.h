#pragma once

// Command ids of the main window: every menu item, toolbar button, shortcut
// and navigation item sends one of these to CMainFrame::OnCommand.
enum CommandId : int
{
    ID_DUE_NEW = 32771,
    ID_DUE_MODIFY = 32773,
    ID_DUE_DELETE = 32774,
    ID_HELP_CONTENTS = 32775,
    ID_CHANGE_WORKDIR = 32776,
    ID_MONTH_PICKER = 32777,
    ID_BANNER = 32780,
    ID_FILTER = 32782,
    ID_REFRESH = 32791,
    ID_SYNCHRONIZE = 32794,
    ID_FILE_PRINT = 32799,
    ID_PREV_MONTH = 32800,
    ID_NEXT_MONTH = 32801,
    ID_EXCEL_NOTES = 32802,
    ID_EXCEL_NO_NOTES = 32803,
    ID_WORD_NOTES = 32804,
    ID_WORD_NO_NOTES = 32805,
    ID_HTML_NOTES = 32806,
    ID_HTML_NO_NOTES = 32807,
    ID_PDF_NOTES = 32808,
    ID_PDF_NO_NOTES = 32809,
    ID_TODAY = 32810,
    ID_FIND = 32811,
    ID_SORT_DUE_DATE = 32812,
    ID_SORT_AMOUNT = 32813,
    ID_SORT_TITLE = 32814,
    ID_SORT_PAYEE = 32815,
    ID_SEARCH = 32816,
    ID_ICAL_EXPORT = 32817,
    ID_CSV_EXPORT = 32818,
    ID_CSV_IMPORT = 32819,
    ID_VIEW_CALENDAR = 32820,
    ID_VIEW_REPORTS = 32821,
    ID_RESOLVE_CONFLICTS = 32822,
    ID_APP_ABOUT = 57664,
    ID_APP_EXIT = 57665,
    ID_NEXT_PANE = 57680,
    ID_PREV_PANE = 57681,
    ID_VIEW_DETAILS = 59411,
    ID_CAPTION_BUTTON = 5560,
};

// Status panes, named by the string ids of their first texts.
enum IndicatorId : int
{
    ID_INDICATOR_PAID = 61461,
    ID_INDICATOR_UNPAID = 61462,
    ID_INDICATOR_TOTAL = 61463,
};
