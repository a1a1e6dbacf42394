#pragma once

// Turns the text an engine instance is asked to speak into espeak-ng input.
//
// A "<" directly after a vowel marks that vowel as stressed. The Russian voice of espeak-ng has no
// stress mark in plain text, so every Cyrillic word that must be read with a given stress (or,
// for transliterations, letter by letter) is handed over as espeak-ng phoneme input "[[...]]",
// built here letter by letter with the stress mark "'" before the marked vowel. Everything else
// stays plain text. The result is UTF-8 meant for espeak_Synth with espeakPHONEMES.

#include <QStringView>
#include <string>

#include "speech/Reading.h"

namespace speech {

// The espeak-ng input for `text`:
// - Natural reading: a Cyrillic word without "<" stays as written; a Cyrillic word with "<" after
//   a vowel becomes phonemes, that vowel stressed, the unstressed vowels reduced as in Russian.
// - Transliteration: every Cyrillic word becomes phonemes, each letter read as written (no
//   reduction), the vowels before "<" stressed.
// A hyphen between Cyrillic letters joins them into one word ("кто<-то"), read as one word with
// the stress where it is marked and the other parts unstressed.
// In both, every "<" is dropped (it is never read aloud), "[" and "]" of the text become
// "(" and ")" so the text can never open phoneme input of its own, and a zero character becomes a
// blank so nothing after it is lost.
std::string EspeakMarkup(QStringView text, Reading reading);

}  // namespace speech
