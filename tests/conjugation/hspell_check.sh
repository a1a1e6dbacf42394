#!/usr/bin/env bash
# Conjugates every verb of a verb list with the data tool and asks hspell about each spelling: it
# must be a form of the listed verb in the form's tense, person, number and gender; a verbal noun
# must be a word hspell knows. Prints what is refused or wrong and the counts; exits 1 when
# anything is, and 77 (skipped) when hspell is not installed.
# Usage: hspell_check.sh DATA_TOOL VERB_LIST
set -euo pipefail
tool=$1
list=$2

if ! command -v hspell >/dev/null; then
  echo "SKIPPED: hspell is not installed (scripts/install-deps.sh installs it)"
  exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One line per form: the verb, form number, spelling, the verb as hspell names it, and the
# "lacks=" list of forms missing from hspell.
verbs=0
refused=0
: >"$work/forms"
while IFS=$'\t' read -r root pattern lemma flags; do
  [[ -z "$root" || "$root" == \#* ]] && continue
  verbs=$((verbs + 1))
  if ! "$tool" conjugate "$root" "$pattern" >"$work/out" 2>"$work/err"; then
    refused=$((refused + 1))
    echo "REFUSED $root $pattern: $(cat "$work/err")"
    continue
  fi
  awk -F'\t' -v verb="$root $pattern" -v lemma="$lemma" -v flags="${flags:-}" \
    '$2 != "" { print verb "\t" NR - 1 "\t" $2 "\t" lemma "\t" flags }' "$work/out" >>"$work/forms"
done <"$list"

# hspell reads ISO-8859-8, one word a line; -l lists each known word's analyses under it.
cut -f3 "$work/forms" | sort -u >"$work/words"
iconv -f UTF-8 -t ISO-8859-8 "$work/words" | hspell -l | iconv -f ISO-8859-8 -t UTF-8 \
  >"$work/analyses"

awk -F'\t' -v verbs="$verbs" -v refused="$refused" '
  # The analyses: "מילה חוקית: WORD" opens a word, tab-indented "LEMMA(פ,...)" lines follow;
  # other headers (prefix combinations, the list of unknown words) close it.
  FILENAME == ARGV[1] {
    if ($0 ~ /^מילה חוקית: /) { word = substr($0, index($0, ": ") + 2); known[word] = 1; next }
    if ($0 !~ /^\t/) { word = ""; next }
    if (word != "") analyses[word] = analyses[word] $0 "\n"
    next
  }
  function expected(form,    i) {
    # Tense, then person, number and gender of forms 0..27; the plural of the future and the
    # imperative is the one used for both genders, which hspell files as masculine.
    if (form < 4) return "הווה," (form < 2 ? "יחיד" : "רבים") "," (form % 2 ? "נ" : "ז")
    if (form < 24) {
      i = (form - 4) % 10
      split("1,יחיד,-|2,יחיד,ז|2,יחיד,נ|3,יחיד,ז|3,יחיד,נ|1,רבים,-|2,רבים,ז|2,רבים,נ|3,רבים,ז|3,רבים,נ", p, "|")
      if (form >= 14 && (i == 7 || i == 9)) sub(/נ$/, "ז", p[i + 1])
      return (form < 14 ? "עבר" : "עתיד") "," p[i + 1]
    }
    split("2,יחיד,ז|2,יחיד,נ|2,רבים,ז", q, "|")
    return "ציווי," q[form - 23]
  }
  function tense(form) {
    return form < 4 ? "present" : form < 14 ? "past" : form < 24 ? "future" : form < 27 ? "imperative" : "verbal noun"
  }
  # Whether one analysis line is LEMMA(פ,...) with every feature of want; an analysis without a
  # gender or number (hspell gives none for some presents) does not contradict one.
  function matches(line, lemma, want,    prefix, body, n, have, f, w, k, hasGender, hasNumber) {
    sub(/^\t/, "", line)
    prefix = lemma "(פ,"
    if (substr(line, 1, length(prefix)) != prefix || line ~ /כינוי/) return 0
    body = substr(line, length(prefix) + 1); sub(/\)$/, "", body)
    n = split(body, f, ","); split("", have); hasGender = 0; hasNumber = 0
    for (k = 1; k <= n; k++) {
      have[f[k]] = 1
      if (f[k] == "ז" || f[k] == "נ") hasGender = 1
      if (f[k] == "יחיד" || f[k] == "רבים") hasNumber = 1
    }
    n = split(want, w, ",")
    for (k = 1; k <= n; k++) {
      if (w[k] == "-") continue
      if ((w[k] == "ז" || w[k] == "נ") && !hasGender) continue
      if ((w[k] == "יחיד" || w[k] == "רבים") && !hasNumber) continue
      if (!(w[k] in have)) return 0
    }
    return 1
  }
  {
    verb = $1; form = $2 + 0; spelling = $3; lemma = $4; flags = $5
    checked++
    if (("," substr(flags, 7) ",") ~ ("," form ",")) next
    if (form == 27) {
      if (spelling in known) next
      bad(verb, form, spelling, "not a word hspell knows"); next
    }
    want = expected(form)
    n = split(analyses[spelling], lines, "\n")
    for (k = 1; k <= n; k++) if (lines[k] != "" && matches(lines[k], lemma, want)) next
    why = analyses[spelling]; gsub(/\t/, " ", why); gsub(/\n/, ";", why)
    bad(verb, form, spelling, (spelling in known ? "hspell has:" why : "not a word hspell knows"))
  }
  function bad(verb, form, spelling, why,    key) {
    wrong++
    key = tense(form) (form == 27 ? "" : " " expected(form))
    byForm[key]++
    printf "WRONG %s form %d (%s, wanted %s): %s -- %s\n", verb, form, tense(form), \
      form == 27 ? "a known word" : expected(form), spelling, why
  }
  END {
    printf "verbs: %d, conjugated: %d, refused: %d; forms checked: %d, disagreements: %d\n", \
      verbs, verbs - refused, refused, checked, wrong
    for (key in byForm) printf "  %s: %d\n", key, byForm[key]
    exit (refused > 0 || wrong > 0)
  }
' "$work/analyses" "$work/forms"
