# The program's own steps that the printing scripts share, sourced after lib.sh.
#   open_worksheets       from the main window to the worksheet window; sets `sheet`
#   unlock_printer        clears the printer lock in the info window and leaves it with "O k a y"
#   ask BUTTON QUESTION KEY...  clicks the print button at BUTTON (twips from the left), checks that the box
#                         titled "Pelko-Morvelt: Drucken" asks QUESTION with the German buttons, and answers with
#                         the keys: Return for the preselected "Nein", Tab space for "Ja"

open_worksheets()
{
    e2e_wait_window "Pelko-Morvelt (Runde 1)" || e2e_fail "the main window is not on screen"
    e2e_click 3120 5760 495 495
    e2e_wait_window "Pelko-Morvelt: Arbeitsblatt" || e2e_fail "the worksheet button opened no worksheet window"
    sheet=$win
}

unlock_printer()
{
    e2e_wait_window "Pelko-Morvelt (Runde 1)" || e2e_fail "the main window is not on screen"
    e2e_click 3720 5760 495 495
    e2e_wait_window "Programm-Info" || e2e_fail "the info button opened no info window"
    e2e_click 360 2400 300 255  # the check box, left of the end of its caption
    e2e_click 240 2880 2175 495 # "O k a y"
    e2e_wait_closed "$win" || e2e_fail "\"O k a y\" left the info window open"
}

ask()
{
    win=$sheet
    e2e_click "$1" 1320 495 495
    e2e_wait_window "Pelko-Morvelt: Drucken" || e2e_fail "the print button at $1 asked nothing"
    asks() { [ "$(e2e_texts "Pelko-Morvelt: Drucken" | sort)" = "$(printf '%s\n' "$1" Ja Nein | sort)" ]; }
    e2e_until 3 asks "$2" || e2e_fail "the box does not ask \"$2\" with \"Ja\" and \"Nein\""
    e2e_key "${@:3}"
    e2e_wait_closed "$win" || e2e_fail "the question did not close on ${*:3}"
}
