/* Identifiers of wyndrel.exe's resources, shared by wyndrel.rc and the code that loads them.
   Plain defines only: the resource compiler reads this file too. */
#pragma once

/* The program's icon; the lowest icon identifier, so the shell shows it for the file too. */
#define WYNDREL_ICON_RESOURCE 1
