#include "output/PlayablePageAssets.h"

namespace gx {

// The cell side follows the window's width, so that the whole grid fits a 360-pixel phone; the
// clue lists go beside the grid where there is room and below it where there is not.
const char* const kPlayablePageStyle = R"CSS(:root { --w: 15; --cell: min(34px, calc((100vw - 32px - var(--w) * 1px) / var(--w))); }
* { box-sizing: border-box; }
body { margin: 0; font: 16px/1.4 "Liberation Sans", Arial, sans-serif; background: #f6f3ec; color: #1e1e1e; }
header { padding: 10px 12px 0; }
h1 { font-size: 1.3rem; margin: 0; }
h2 { font-size: 1.05rem; margin: 0 0 4px; }
main { display: flex; flex-wrap: wrap; gap: 16px 24px; padding: 8px 12px 24px; align-items: flex-start; }
.play { flex: 0 1 auto; max-width: 100%; }
#bar { margin: 0 0 6px; min-height: 2.9em; padding: 4px 8px; background: #fff; border-left: 4px solid #2f6fbd;
  max-width: calc(var(--cell) * var(--w) + var(--w) * 1px + 4px); }
#frame { position: relative; width: max-content; }
#board { display: grid; grid-template-columns: repeat(var(--w), var(--cell)); grid-auto-rows: var(--cell); gap: 1px;
  background: #555; border: 2px solid #555; user-select: none; -webkit-user-select: none; }
#board .row { display: contents; }
.block { background: #555; }
.cell { position: relative; background: #fff; cursor: pointer; }
.cell .num { position: absolute; top: 0; left: 1px; font-size: max(6px, calc(var(--cell) * 0.3)); line-height: 1; color: #333; }
.cell .ch { display: flex; height: 100%; align-items: center; justify-content: center; padding-top: calc(var(--cell) * 0.12);
  font-size: calc(var(--cell) * 0.58); font-weight: bold; text-transform: uppercase; }
.cell.word { background: #d6e6fb; }
.cell.cur { background: #ffd84d; box-shadow: inset 0 0 0 2px #b07800; }
.cell.revealed .ch { color: #2f6fbd; }
.cell.revealed::after { content: ""; position: absolute; right: 0; top: 0; border: calc(var(--cell) * 0.14) solid transparent;
  border-top-color: #2f6fbd; border-right-color: #2f6fbd; }
.cell.wrong { background: #f8c4c4; }
.cell.wrong .ch { color: #b00000; text-decoration: line-through; }
body.solved #board { border-color: #2e8b3e; background: #2e8b3e; }
#entry { position: absolute; left: 0; top: 0; width: var(--cell); height: var(--cell); opacity: 0; border: 0; padding: 0;
  font-size: 16px; caret-color: transparent; pointer-events: none; }
.tools { display: flex; flex-wrap: wrap; gap: 6px; margin-top: 8px; }
.tools button { font: inherit; font-size: 0.95rem; padding: 6px 10px; border: 1px solid #888; border-radius: 4px; background: #fff;
  cursor: pointer; }
.tools button:hover, .tools button:focus-visible { background: #e8eef8; }
#status { min-height: 1.4em; margin: 8px 0 0; font-weight: bold; }
body.solved #status { color: #1d6b2a; }
.hint { font-size: 0.85rem; color: #555; max-width: 34em; }
.lists { flex: 1 1 300px; display: flex; flex-wrap: wrap; gap: 8px 24px; min-width: 0; }
.list { flex: 1 1 260px; min-width: 0; }
.list ul { list-style: none; margin: 0; padding: 0; }
.list button { display: block; width: 100%; text-align: left; font: inherit; font-size: 0.95rem; color: inherit; background: none;
  border: 0; border-radius: 4px; padding: 2px 6px; cursor: pointer; }
.list button:hover { background: #ece6d8; }
.list li.cur button { background: #d6e6fb; }
.list li.filled button { color: #777; }
.len { color: #777; font-size: 0.85em; }
@media (max-width: 640px) { main { padding: 6px 8px 16px; } .lists { flex-basis: 100%; } }
)CSS";

// The buttons under the grid, the line that tells what they found, and how to solve.
const char* const kPlayablePageControls =
    "<div class=\"tools\">"
    "<button type=\"button\" id=\"check\">Проверить слово</button>"
    "<button type=\"button\" id=\"reveal\">Открыть букву</button>"
    "<button type=\"button\" id=\"show-all\">Показать всё</button>"
    "<button type=\"button\" id=\"restart\">Начать заново</button></div>\n"
    "<p id=\"status\" role=\"status\" aria-live=\"polite\"></p>\n"
    "<p class=\"hint\">Щёлкните клетку или определение и печатайте русские буквы (или латинские на тех же "
    "клавишах). Стрелки переводят курсор, пробел или второй щелчок по клетке меняет направление, Backspace "
    "стирает букву. Буквы сохраняются в этом браузере.</p>\n"
    "<noscript><p>Чтобы решать кроссворд на странице, включите JavaScript.</p></noscript>\n";

// The page's behaviour. The puzzle comes from the JSON element "puzzle-data": the slots in table
// order ([x, y, length, down, number]), the hidden answers and the table of keys.
const char* const kPlayablePageScript = R"JS((function () {
  'use strict';
  var data = JSON.parse(document.getElementById('puzzle-data').textContent);
  var W = data.width, H = data.height;
  var board = document.getElementById('board');
  var entry = document.getElementById('entry');
  var bar = document.getElementById('bar');
  var status = document.getElementById('status');
  var storeKey = 'gridlex-play:' + data.id;
  var DIRECTION = ['по горизонтали', 'по вертикали'];

  function seedByte(j) { return parseInt(data.id.substr((j % 32) * 2, 2), 16) ^ ((j * 73) & 255); }
  function decodeAnswers() {
    var raw = atob(data.letters), bytes = new Uint8Array(raw.length);
    for (var j = 0; j < raw.length; ++j) bytes[j] = raw.charCodeAt(j) ^ seedByte(j);
    return Array.from(new TextDecoder().decode(bytes));
  }

  var slots = data.slots.map(function (s, n) {
    return { x: s[0], y: s[1], len: s[2], d: s[3], num: s[4], index: n, cells: [] };
  });
  var cells = [];
  var white = [];
  for (var i = 0; i < W * H; ++i) cells.push(null);
  slots.forEach(function (s) {
    for (var t = 0; t < s.len; ++t) {
      var at = s.d ? (s.y + t) * W + s.x : s.y * W + s.x + t;
      var c = cells[at];
      if (!c) c = cells[at] = { at: at, slot: [-1, -1], pos: [0, 0], number: 0, typed: '', revealed: false, wrong: false };
      if (c.slot[s.d] < 0) { c.slot[s.d] = s.index; c.pos[s.d] = t; }
      s.cells.push(at);
    }
  });
  slots.forEach(function (s) { cells[s.cells[0]].number = s.num; });
  cells.forEach(function (c) { if (c) white.push(c); });
  var answers = decodeAnswers();
  if (answers.length !== white.length) { status.textContent = 'Страница повреждена: ответы не сходятся с сеткой.'; return; }
  white.forEach(function (c, n) { c.answer = answers[n]; });

  var clueItems = [];
  document.querySelectorAll('.list li').forEach(function (li) {
    var n = Number(li.getAttribute('data-slot'));
    clueItems[n] = li;
    slots[n].clue = li.querySelector('button').textContent;
    li.querySelector('button').addEventListener('click', function () { chooseSlot(n); });
  });

  document.documentElement.style.setProperty('--w', String(W));
  for (var y = 0; y < H; ++y) {
    var row = document.createElement('div');
    row.className = 'row';
    row.setAttribute('role', 'row');
    for (var x = 0; x < W; ++x) {
      var c = cells[y * W + x];
      var el = document.createElement('div');
      el.setAttribute('role', 'gridcell');
      if (!c) {
        el.className = 'block';
        el.setAttribute('aria-label', 'закрашенная клетка');
      } else {
        el.className = 'cell';
        el.setAttribute('data-at', String(c.at));
        el.innerHTML = '<span class="num" aria-hidden="true"></span><span class="ch" aria-hidden="true"></span>';
        if (c.number) el.firstChild.textContent = String(c.number);
        el.addEventListener('click', cellClicked);
        c.el = el;
      }
      row.appendChild(el);
    }
    board.appendChild(row);
  }

  var cur = white[0].at, dir = 0;

  function slotOf(c, d) { return c.slot[d] >= 0 ? c.slot[d] : c.slot[1 - d]; }
  function currentSlot() { return slots[slotOf(cells[cur], dir)]; }

  function cellLabel(c) {
    var parts = [];
    for (var d = 0; d < 2; ++d) {
      if (c.slot[d] < 0) continue;
      var s = slots[c.slot[d]];
      parts.push(s.num + ' ' + DIRECTION[d] + ', буква ' + (c.pos[d] + 1) + ' из ' + s.len);
    }
    var content = c.typed ? 'буква ' + c.typed.toUpperCase() : 'пусто';
    if (c.wrong) content += ', неверно';
    if (c.revealed) content += ', открыта';
    return parts.join('; ') + '; ' + content;
  }

  function drawCell(c) {
    c.el.lastChild.textContent = c.typed;
    c.el.classList.toggle('wrong', c.wrong);
    c.el.classList.toggle('revealed', c.revealed);
    c.el.setAttribute('aria-label', cellLabel(c));
  }

  function drawSelection() {
    var s = currentSlot();
    white.forEach(function (c) {
      c.el.classList.toggle('word', c.slot[s.d] === s.index);
      c.el.classList.toggle('cur', c.at === cur);
    });
    clueItems.forEach(function (li, n) {
      li.classList.toggle('cur', n === s.index);
      if (n === s.index) li.setAttribute('aria-current', 'true'); else li.removeAttribute('aria-current');
    });
    bar.textContent = s.num + ' ' + DIRECTION[s.d] + ': ' + s.clue.replace(/^\d+\.\s*/, '');
    var cellEl = cells[cur].el;
    entry.style.left = cellEl.offsetLeft + 'px';
    entry.style.top = cellEl.offsetTop + 'px';
    entry.setAttribute('aria-label', cellLabel(cells[cur]));
  }

  function drawFilled() {
    slots.forEach(function (s) {
      var full = s.cells.every(function (at) { return cells[at].typed !== ''; });
      clueItems[s.index].classList.toggle('filled', full);
    });
  }

  function select(at, d) {
    var c = cells[at];
    if (!c) return;
    cur = at;
    dir = c.slot[d] >= 0 ? d : 1 - d;
    drawSelection();
  }

  function focusEntry() { entry.focus({ preventScroll: true }); }

  function cellClicked(event) {
    var at = Number(event.currentTarget.getAttribute('data-at'));
    select(at, at === cur ? 1 - dir : dir);
    focusEntry();
  }

  function chooseSlot(n) {
    var s = slots[n];
    var target = s.cells.find(function (at) { return cells[at].typed === ''; });
    select(target === undefined ? s.cells[0] : target, s.d);
    focusEntry();
  }

  function save() {
    try {
      localStorage.setItem(storeKey, JSON.stringify({
        typed: white.map(function (c) { return c.typed || '.'; }).join(''),
        revealed: white.map(function (c) { return c.revealed ? '1' : '0'; }).join('')
      }));
    } catch (e) { /* no storage: the letters last as long as the page */ }
  }

  function load() {
    var kept = null;
    try { kept = JSON.parse(localStorage.getItem(storeKey) || 'null'); } catch (e) { kept = null; }
    if (!kept || typeof kept.typed !== 'string' || typeof kept.revealed !== 'string') return;
    var typed = Array.from(kept.typed);
    if (typed.length !== white.length || kept.revealed.length !== white.length) return;
    var letters = {};
    Object.keys(data.keys).forEach(function (k) { letters[data.keys[k]] = true; });
    white.forEach(function (c, n) {
      c.typed = letters[typed[n]] ? typed[n] : '';
      c.revealed = c.typed !== '' && kept.revealed[n] === '1';
    });
  }

  function say(text) { status.textContent = text; }

  function checkSolved() {
    var solved = white.every(function (c) { return c.typed === c.answer; });
    document.body.classList.toggle('solved', solved);
    if (!solved) {
      if (document.body.getAttribute('data-state') === 'solved') say('');
      document.body.removeAttribute('data-state');
      return;
    }
    var opened = white.filter(function (c) { return c.revealed; }).length;
    document.body.setAttribute('data-state', 'solved');
    say(opened ? 'Кроссворд решён. Открыто букв: ' + opened + '.' : 'Кроссворд решён!');
  }

  function changed(c) {
    drawCell(c);
    save();
    drawFilled();
    checkSolved();
  }

  function put(letter) {
    var c = cells[cur];
    c.revealed = c.revealed && letter === c.answer;
    c.typed = letter;
    c.wrong = false;
    changed(c);
    var s = currentSlot();
    var p = c.pos[s.d];
    if (c.slot[s.d] === s.index && p + 1 < s.len) select(s.cells[p + 1], s.d);
    else drawSelection();
  }

  function erase(c) {
    c.typed = '';
    c.wrong = false;
    c.revealed = false;
    changed(c);
  }

  function backspace() {
    var c = cells[cur];
    if (c.typed === '') {
      var s = currentSlot();
      var p = c.pos[s.d];
      if (c.slot[s.d] !== s.index || p === 0) return;
      select(s.cells[p - 1], s.d);
      c = cells[cur];
    }
    erase(c);
    drawSelection();
  }

  function move(dx, dy) {
    var d = dx !== 0 ? 0 : 1;
    var c = cells[cur];
    if (d !== dir && c.slot[d] >= 0) { select(cur, d); return; }
    var x = cur % W, y = (cur - x) / W;
    for (;;) {
      x += dx; y += dy;
      if (x < 0 || y < 0 || x >= W || y >= H) return;
      if (cells[y * W + x]) { select(y * W + x, d); return; }
    }
  }

  function checkWord() {
    var s = currentSlot(), wrong = 0, empty = 0;
    s.cells.forEach(function (at) {
      var c = cells[at];
      if (c.typed === '') ++empty;
      else if (c.typed !== c.answer) { c.wrong = true; ++wrong; }
      drawCell(c);
    });
    drawSelection();
    if (wrong) say('Неверных букв в слове: ' + wrong + '.');
    else if (empty) say('Ошибок нет, но слово не дописано.');
    else say('Слово верно.');
  }

  function revealLetter() {
    var c = cells[cur];
    if (c.typed === c.answer) { say('Эта буква уже верна.'); return; }
    c.typed = c.answer;
    c.wrong = false;
    c.revealed = true;
    say('');
    changed(c);
    drawSelection();
  }

  function showAll() {
    if (!window.confirm('Открыть все ответы?')) return;
    white.forEach(function (c) {
      if (c.typed !== c.answer) { c.typed = c.answer; c.revealed = true; }
      c.wrong = false;
      drawCell(c);
    });
    save();
    drawFilled();
    checkSolved();
    drawSelection();
  }

  function restart() {
    if (!window.confirm('Стереть все буквы и начать заново?')) return;
    white.forEach(function (c) { c.typed = ''; c.wrong = false; c.revealed = false; drawCell(c); });
    try { localStorage.removeItem(storeKey); } catch (e) { /* nothing kept */ }
    say('');
    drawFilled();
    checkSolved();
    select(white[0].at, 0);
  }

  function typedLetter(ch) { return Object.prototype.hasOwnProperty.call(data.keys, ch) ? data.keys[ch] : ''; }

  entry.addEventListener('keydown', function (event) {
    if (event.ctrlKey || event.metaKey || event.altKey || event.isComposing) return;
    var handled = true;
    switch (event.key) {
      case 'ArrowLeft': move(-1, 0); break;
      case 'ArrowRight': move(1, 0); break;
      case 'ArrowUp': move(0, -1); break;
      case 'ArrowDown': move(0, 1); break;
      case 'Backspace': backspace(); break;
      case 'Delete': erase(cells[cur]); drawSelection(); break;
      case ' ': select(cur, 1 - dir); break;
      default:
        if (event.key.length !== 1) { handled = false; break; }
        var letter = typedLetter(event.key);
        if (letter) put(letter);
    }
    if (handled) event.preventDefault();
  });
  // Keyboards on screen send text without keys.
  entry.addEventListener('input', function () {
    Array.from(entry.value).forEach(function (ch) {
      var letter = typedLetter(ch);
      if (letter) put(letter);
    });
    entry.value = '';
  });
  document.getElementById('check').addEventListener('click', function () { checkWord(); focusEntry(); });
  document.getElementById('reveal').addEventListener('click', function () { revealLetter(); focusEntry(); });
  document.getElementById('show-all').addEventListener('click', showAll);
  document.getElementById('restart').addEventListener('click', restart);
  window.addEventListener('resize', drawSelection);

  load();
  white.forEach(drawCell);
  drawFilled();
  select(cur, 0);
  checkSolved();
  document.body.setAttribute('data-ready', 'true');
})();
)JS";

}  // namespace gx
