#!/usr/bin/env bash
# Document panel: chargePDF to the first page painted (median of warm loads,
# the viewer emptied between them), for a lesson document of the sample course
# and for a 300-page document, beside `mutool draw` rendering the same page at
# the same width in the same run (median wall time of whole runs).
set -uo pipefail
build="${PEDAVIN_BUILD:?}"
root="${PEDAVIN_ROOT:?}"
outil="$build/bin/bench-pdf"
if [[ ! -x "$outil" ]]; then
  echo "pdf.sh: $outil is missing (build the bench-pdf target)" >&2
  exit 1
fi
export QT_QPA_PLATFORM=offscreen
dossier="$build/bench-pdf"
mkdir -p "$dossier"

lecon=""
for f in "$root"/cours/COURS-TABLEUR/textes/C01L01*.pdf "$root"/cours/COURS-TABLEUR/textes/*.pdf; do
  [[ -f $f ]] && { lecon=$f; break; }
done
if [[ -z $lecon ]]; then
  lecon="$dossier/lecon_4_pages.pdf"
  [[ -f $lecon ]] || "$outil" fabriquer "$lecon" 4 || exit 1
fi
gros="$dossier/document_300_pages.pdf"
[[ -f $gros ]] || "$outil" fabriquer "$gros" 300 2>/dev/null || exit 1

valeur() { awk -v k="$1" '$1 == k { print $2 }'; }
mediane() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# Median wall time of `mutool draw` rendering page 1 at this width, in ms.
mutool_ms() {
  local f=$1 largeur=$2 i t0 t1
  mutool draw -q -o "$dossier/mutool.ppm" -w "$largeur" "$f" 1 2>/dev/null # warm the file cache
  for i in 1 2 3 4 5 6 7 8 9; do
    t0=$(date +%s%N)
    mutool draw -q -o "$dossier/mutool.ppm" -w "$largeur" "$f" 1 2>/dev/null
    t1=$(date +%s%N)
    echo $(( (t1 - t0) / 1000 ))
  done | mediane | awk '{ printf "%.2f", $1 / 1000 }'
}

r=$("$outil" charger "$lecon" 11 2>/dev/null) || { echo "pdf.sh: bench-pdf failed on $lecon" >&2; exit 1; }
notre=$(valeur premiere_ms <<<"$r"); largeur=$(valeur largeur <<<"$r")
r300=$("$outil" charger "$gros" 11 2>/dev/null) || { echo "pdf.sh: bench-pdf failed on $gros" >&2; exit 1; }
notre300=$(valeur premiere_ms <<<"$r300"); largeur300=$(valeur largeur <<<"$r300")
mutool=$(mutool_ms "$lecon" "$largeur")
mutool300=$(mutool_ms "$gros" "$largeur300")

printf "pdf.load_first_page_ms: %.1f ms\n" "$notre"
printf "pdf.load_first_page_300_ms: %.1f ms\n" "$notre300"
printf "pdf.load_first_page_cold_ms: %.1f ms\n" "$(valeur froid_ms <<<"$r")"
printf "pdf.mutool_ms: %.1f ms\n" "$mutool"
printf "pdf.mutool_300_ms: %.1f ms\n" "$mutool300"
awk -v a="$notre" -v b="$mutool" 'BEGIN { printf "pdf.ratio_to_mutool: %.2f x\n", a / b }'
awk -v a="$notre300" -v b="$mutool300" 'BEGIN { printf "pdf.ratio_to_mutool_300: %.2f x\n", a / b }'
