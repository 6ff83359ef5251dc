#!/usr/bin/env bash
# End-to-end checks of talvora-headless's diagnostic verbs, run as a user runs them.
# usage: headless_cli_test.sh PATH/TO/talvora-headless
set -uo pipefail
headless=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0
failed=0

check() {  # check NAME EXPECTED ACTUAL
  if [ "$2" == "$3" ]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    printf 'FAILED: %s\n  expected: %q\n  actual:   %q\n' "$1" "$2" "$3"
  fi
}

store() {  # store LINES...: a settings store holding the given value lines
  local file=$work/store-$RANDOM.reg
  { printf 'REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Talvora\\Talvora Saver]\n'; printf '%s\n' "$@"; } >"$file"
  echo "$file"
}

field() {  # field NAME STORE: the NAME=value line that --dump-settings prints
  "$headless" --store "$2" --dump-settings | grep "^$1="
}

defaults="SpriteCount=8
TracersOn=FALSE
RefreshRate=100
RateRandom=FALSE
SpriteSize=25
SizeRandom=TRUE
SpriteSpeed=1
SpeedRandom=FALSE
Email=contato@talvora.example
Url=http://www.talvora.example/
Saver=1
Mouse=0
Tela=0
Senha=0
BolasNum=4
BolasVel=6
TrofeusNum=4
TrofeusVel=5
TrofeusTipo=2
SS03Vel=1
SS04Vel=3
SS05Vel=4"
check "missing store gives the defaults" "$defaults" "$("$headless" --store "$work/none.reg" --dump-settings)"
check "empty key gives the defaults" "$defaults" "$("$headless" --store "$(store)" --dump-settings)"

# Stored value line | the line --dump-settings prints for it.
while IFS='|' read -r stored expected; do
  name=${expected%%=*}
  check "$stored" "$expected" "$(field "$name" "$(store "$stored")")"
done <<'CASES'
"SpriteCount"="0"|SpriteCount=8
"SpriteCount"="-3"|SpriteCount=8
"SpriteCount"="31"|SpriteCount=30
"SpriteCount"="2.5"|SpriteCount=2
"SpriteCount"="3.5"|SpriteCount=4
"SpriteCount"="12 bolas"|SpriteCount=12
"SpriteCount"="muitas"|SpriteCount=8
"SpriteCount"="99999999999"|SpriteCount=30
"SpriteCount"="1e999"|SpriteCount=30
"SpriteCount"="-1e999"|SpriteCount=8
"SpriteSize"="10"|SpriteSize=25
"SpriteSpeed"="0"|SpriteSpeed=1
"RefreshRate"="0"|RefreshRate=100
"RefreshRate"="99999999999"|RefreshRate=100
"TracersOn"="true"|TracersOn=FALSE
"TracersOn"="TRUE"|TracersOn=TRUE
"SizeRandom"=""|SizeRandom=TRUE
"SizeRandom"="FALSE"|SizeRandom=FALSE
"Senha"=" "|Senha= 
"Saver"="3"|Saver=3
"Saver"=hex(1):33,00|Saver=3
"Saver"=hex(1):33|Saver=3
"Saver"=dword:00000003|Saver=&h003
"Email"="3º Lugar"|Email=3º Lugar
"Url"="a \"quoted\" \\ path"|Url=a "quoted" \ path
CASES

check "a value with and without its NUL read the same" \
  "$(field Tela "$(store '"Tela"="1"')")" "$(field Tela "$(store '"Tela"=hex(1):31,00')")"

corrupt=$work/corrupt/settings.reg
mkdir -p "$work/corrupt"
printf 'not a registry file\n' >"$corrupt"
check "a corrupt store gives the defaults" "$defaults" "$("$headless" --store "$corrupt" --dump-settings)"
check "a corrupt store is kept aside" "not a registry file" "$(cat "$work"/corrupt/settings.reg.* 2>/dev/null)"

ini=$work/tabela.ini
printf '[A]\r\nJOGO01 = "Brasil 2 x 1 Escocia"\r\n[3\xba Lugar]\r\nJOGO01=Croacia 2 x 1 Holanda\r\n' >"$ini"
check "--get-ini reads a key" "Brasil 2 x 1 Escocia" "$("$headless" --get-ini "$ini" a jogo01)"
check "--get-ini reads an ANSI section as UTF-8" "Croacia 2 x 1 Holanda" "$("$headless" --get-ini "$ini" '3º Lugar' JOGO01)"
check "--get-ini prints an empty line for a missing key" "" "$("$headless" --get-ini "$ini" A JOGO09)"
check "--get-ini on a missing file" "" "$("$headless" --get-ini "$work/none.ini" A JOGO01)"

while IFS='|' read -r text expected; do
  check "--parse-command-line '$text'" "$expected" "$("$headless" --parse-command-line "$text")"
done <<'CASES'
|mode=fullscreen handle=0
/s|mode=fullscreen handle=0
/p 1234|mode=preview handle=1234
/p:5678|mode=preview handle=5678
/c:1234|mode=setup handle=0
/a 1234|mode=password handle=1234
 /a 1234|mode=password handle=0
-s|mode=none handle=0
CASES

# The setup dialog, driven by an event script as a user drives it.
setup_store=$(store '"Saver"="7"')
drive_c=$work/drive_c
mkdir -p "$drive_c/windows"
printf 'windows start' >"$drive_c/logo.sys"
printf 'product start' >"$drive_c/windows/logo.tlv"
printf '[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Setup]\n"Windir"="C:\\\\WINDOWS"\n' >>"$setup_store"
printf '100 click Command1(0)\n200 slide Slider1(0) 11\n300 click Command1\n400 click Check3\n500 key enter\n' >"$work/setup.events"
"$headless" --store "$setup_store" --drive-c "$drive_c" --events "$work/setup.events" --trace "$work/setup.jsonl" \
  --snapshot "450:$work/setup.png" -- /c
check "/c ends when OK unloads the dialog" 0 "$?"
check "OK stores the scene that opened for an unknown Saver" "Saver=2" "$(field Saver "$setup_store")"
check "the scene dialog's OK stored its slider" "BolasNum=11" "$(field BolasNum "$setup_store")"
check "ticking the screens box stores Tela" "Tela= 1" "$(field Tela "$setup_store")"
check "the install copied the product's start-up screen" "product start" "$(cat "$drive_c/logo.sys")"
check "the install kept the Windows screen" "windows start" "$(cat "$drive_c/logo.tl2")"
check "the installer call is traced" 1 "$(grep -c '"fn":"TelasWin95","args":\[1\]' "$work/setup.jsonl")"
check "slider values are traced" 1 "$(grep -c '"op":"value","control":"Slider1(0)","value":11' "$work/setup.jsonl")"
check "the snapshot shows the dialog" "PNG" "$(head -c 4 "$work/setup.png" | tail -c 3)"
printf '100 click Nothing(9)\n' >"$work/bad.events"
"$headless" --store "$(store)" --events "$work/bad.events" --run 200 -- /c 2>"$work/err"
check "a control the dialog lacks fails the run" 1 "$?"
check "and says which" "talvora-headless: at 100 ms SetupForm has no control Nothing(9)" "$(cat "$work/err")"

# Usage errors: one line on standard error, status 2, nothing on standard output.
for args in "" "--dump-settings --get-ini f s k" "--get-ini f s" "--store" "--bogus" "--store f --parse-command-line x"; do
  # shellcheck disable=SC2086
  out=$("$headless" $args 2>"$work/err")
  status=$?
  check "usage error status for '$args'" 2 "$status"
  check "usage error output for '$args'" "" "$out"
  check "usage error is one line for '$args'" 1 "$(wc -l <"$work/err")"
done

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
