// Resource ids of the profile cuts dialog (dlg_prof_cuts.h): its template
// and its controls, as action scripts address them.
#pragma once

inline constexpr int IDD_DLG_PROF_CUTS = 235;
inline constexpr int IDC_PROF_CUTS_SELECT = 1341; // pick another profile in the drawing
inline constexpr int IDC_PROF_CUTS_LIST = 1339;   // the cuts, in cut order
inline constexpr int IDC_PROF_CUTS_DELETE = 1087; // delete the selected cut
inline constexpr int IDC_PROF_CUTS_KEEP = 1340;   // checked: previews stay drawn
