# The program's own steps that several end-to-end scripts take, sourced after lib.sh.
#   open_worksheets            from the main window to the worksheet window; sets `sheet`
#   printer_label              the colour of the worksheet window's "Drucker" label: red or blue
#   unlock_printer             clears the printer lock in the info window and leaves it with "O k a y"
#   ask BUTTON QUESTION        clicks the print button at BUTTON (twips left) and checks the
#                              question box; sets `question` to its window

open_worksheets()
{
    e2e_wait_window "Pelko-Morvelt (Runde 1)" 5 || e2e_fail "the main window is not on screen"
    e2e_click 3120 5760 495 495
    e2e_wait_window "Pelko-Morvelt: Arbeitsblatt" 5 || e2e_fail "the worksheet button opened no worksheet window"
    sheet=$win
}

printer_label()
{
    local red blue
    red=$("$probe" count "$sheet" 8 280 73 25 ff0000)
    blue=$("$probe" count "$sheet" 8 280 73 25 0000ff)
    if [ "$red" -gt 0 ] && [ "$blue" -eq 0 ]; then
        echo red
    elif [ "$blue" -gt 0 ] && [ "$red" -eq 0 ]; then
        echo blue
    else
        echo "$red red and $blue blue pixels"
    fi
}

# The lock's check box as AT-SPI reads it, states included.
lock_box()
{
    e2e_objects "Programm-Info" | grep '^check box:   Druckermodul deaktivieren' || true
}

unlock_printer()
{
    e2e_wait_window "Pelko-Morvelt (Runde 1)" 5 || e2e_fail "the main window is not on screen"
    e2e_click 3720 5760 495 495
    e2e_wait_window "Programm-Info" 5 || e2e_fail "the info button opened no info window"
    local info=$win box _
    box=$(lock_box)
    [[ $box == *"deaktivieren [checked]"* ]] ||
        e2e_fail "the printer lock is not a ticked check box \"  Druckermodul deaktivieren\": \"$box\""
    e2e_click 360 2400 300 255 # on the box, left of the end of its caption
    for _ in $(seq 1 20); do
        box=$(lock_box)
        [[ $box != *"[checked]"* ]] && break
        sleep 0.1
    done
    [[ $box != *"[checked]"* ]] || e2e_fail "clicking the printer lock did not clear it"
    e2e_click 240 2880 2175 495 # "O k a y"
    e2e_wait_closed "Programm-Info" "$info" || e2e_fail "\"O k a y\" left the info window open"
}

ask()
{
    win=$sheet
    e2e_click "$1" 1320 495 495
    e2e_wait_window "Pelko-Morvelt: Drucken" 5 || e2e_fail "the print button at $1 asked nothing"
    question=$win
    local objects
    objects=$(e2e_objects "Pelko-Morvelt: Drucken")
    grep -qxF "label: $2" <<<"$objects" || e2e_fail "the question is not \"$2\": $objects"
    grep -qxF "push button: Nein [focused]" <<<"$objects" || e2e_fail "\"Nein\" is not preselected: $objects"
    grep -qxF "push button: Ja" <<<"$objects" || e2e_fail "the question has no button \"Ja\": $objects"
}

# Answers the open question with Yes: Tab goes from the preselected No to Yes.
answer_yes()
{
    e2e_key Tab
    e2e_objects "Pelko-Morvelt: Drucken" | grep -qxF "push button: Ja [focused]" || e2e_fail "Tab did not reach \"Ja\""
    e2e_key space
    e2e_wait_closed "Pelko-Morvelt: Drucken" "$question" || e2e_fail "the question did not close on \"Ja\""
}
