#!/usr/bin/env bash
# The quit button asks before leaving: "Annuler" keeps the course open, "Non"
# closes the program without saving.
set -euo pipefail
source "$PEDAVIN_E2E/xvfb-session.sh"
mkdir -p "$PEDAVIN_ARTEFACTS"
session_start
trap session_stop EXIT
session_launch "$PEDAVIN_BIN/pedavin"
session_wait_ready 60

session_click_zone quitter
session_wait_window " Quitter"
session_screenshot "$PEDAVIN_ARTEFACTS/quit_dialogue.png"
session_click_zone boite2.Annuler
for _ in $(seq 1 40); do
  xdotool search --onlyvisible --name "^ Quitter$" >/dev/null 2>&1 || break
  sleep 0.05
done
if xdotool search --onlyvisible --name "^ Quitter$" >/dev/null 2>&1; then
  echo "the box stayed open after Annuler"; exit 1
fi
session_running || { echo "Annuler closed the program"; exit 1; }

session_click_zone quitter
session_wait_window " Quitter"
session_click_zone boite2.Non
session_wait_exit 15 || { echo "Non did not close the program"; exit 1; }
echo "quit dialogue: Annuler stays, Non closes"
