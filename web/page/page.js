// The page's shell: it draws the core's controls, turns pointer and key events into calls of
// the core's handlers, and plays what a handler asked of the platform (messages, the hint's
// pause, notes, printing). It decides no rule of the program.
import { Piano } from './sound.js';
import { printPages } from './print.js';

const kStore = { history: 'velmora.history', log: 'velmora.worksheet-log', settings: 'velmora.settings' };
// The star's box in twips: the star's centre, its right column and bottom row of chord names.
const kBox = { width: 4620, height: 3620, centreX: 1560, centreY: 1560 };
const kHintPlaces = [[3400, 150], [3400, 1410], [3400, 3250], [1030, 3250]];
const kPaletteGroups = [['Naturals', 0], ['Flats', 7], ['Double flats', 14], ['Sharps', 21], ['Double sharps', 28]];

const $ = (id) => document.getElementById(id);
const piano = new Piano('sound/');
let game;
let WebGame;
let busy = false;
let shownOverride = new Map();
let typing = '';
let typingCircle = 0;
let carried = '';
let starStop = 1;
let mistakes = null;
const circles = [];
const hints = [];
const paletteButtons = [];

function announce(text) {
  const region = $('announce');
  region.textContent = '';
  // A fresh text node, so that the same words are read again.
  requestAnimationFrame(() => { region.textContent = text; });
}

function beep() { piano.beep(); }

function loadStored(key) {
  try { return localStorage.getItem(key) ?? ''; } catch { return ''; }
}

function store(key, value) {
  try {
    localStorage.setItem(key, value);
    return true;
  } catch {
    return false;
  }
}

function render() {
  const controls = game.controls();
  controls.circles.forEach((circle, index) => {
    const element = circles[index];
    const number = index + 1;
    const caption = shownOverride.has(number) ? shownOverride.get(number) : circle.caption;
    // The core pads names to a fixed width for the desktop's labels; a circle centres them.
    element.textContent = caption.trim();
    element.classList.toggle('formula', shownOverride.has(number));
    element.classList.toggle('given', !circle.enabled);
    element.setAttribute('aria-label', circle.description);
    element.setAttribute('aria-disabled', String(!circle.enabled));
  });
  controls.hints.forEach((hint, index) => {
    hints[index].textContent = hint;
    hints[index].setAttribute('aria-label', WebGame.spokenChord(hint));
  });
  $('advanced').checked = controls.advanced;
  $('Center_Question').checked = controls.centreQuestion;
  $('check_midi').checked = controls.midi;
  $('check_midi').disabled = !controls.midiEnabled;
  $('Frame1').disabled = !controls.midiEnabled;
  $('Option2').checked = controls.expert;
  $('Option1').checked = !controls.expert;
  $('weak_spots').checked = controls.weakSpots;
  const list = $('List1');
  if (list.options.length !== controls.devices.length) {
    list.replaceChildren(...controls.devices.map((name) => new Option(name)));
  }
  list.selectedIndex = controls.device;
  if (!controls.circles[starStop - 1].enabled) moveStarStop((starStop % 17) + 1);
  applyMistakes();
}

function applyMistakes() {
  circles.forEach((element, index) => {
    const verdict = mistakes ? mistakes[index].verdict : 'right';
    element.classList.toggle('wrong', verdict === 'wrong');
    element.classList.toggle('misspelt', verdict === 'misspelled');
    element.classList.toggle('unfilled', verdict === 'empty' && !element.classList.contains('given'));
    const told = verdict === 'wrong' || verdict === 'misspelled' || element.classList.contains('unfilled');
    element.title = told ? mistakes[index].text : '';
    if (told) element.setAttribute('aria-description', mistakes[index].text);
    else element.removeAttribute('aria-description');
  });
}

function dialogAnswer(dialog) {
  return new Promise((resolve) => {
    dialog.addEventListener('close', () => resolve(dialog.returnValue), { once: true });
  });
}

async function showMessage(step, question) {
  const dialog = $('message');
  $('message-title').textContent = step.title;
  $('message-text').textContent = step.text;
  $('message-text').setAttribute('role', 'alert');
  $('message-cancel').hidden = !question;
  dialog.returnValue = 'cancel';
  dialog.showModal();
  return (await dialogAnswer(dialog)) === 'ok';
}

async function showAbout() {
  const about = WebGame.about();
  $('about-title').textContent = about.caption;
  $('about-version').textContent = about.version;
  $('about-help').textContent = about.help;
  $('about').showModal();
  await dialogAnswer($('about'));
}

const wait = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// Plays the steps in order; a question the core could not have answered yet is asked here,
// and on OK the handler runs again with the answer.
async function play(steps, again) {
  let pause = 0;
  for (let i = 0; i < steps.length; ++i) {
    const step = steps[i];
    if (step.type === 'pause') {
      pause += step.ms;
      continue;
    }
    if (pause > 0) {
      await wait(pause);
      pause = 0;
    }
    switch (step.type) {
      case 'message':
        render();
        await showMessage(step, false);
        break;
      case 'question':
        render();
        if (await showMessage(step, true)) {
          game.answerNextQuestion(true);
          await play(again(), again);
          return;
        }
        break;
      case 'repaint':
        for (const shown of step.circles) shownOverride.set(shown.circle, shown.caption);
        render();
        tellFormula(step.circles);
        await new Promise((resolve) => requestAnimationFrame(() => resolve()));
        break;
      case 'midi':
        piano.send(step.status, step.data1, step.data2);
        break;
      case 'about':
        await showAbout();
        break;
      case 'print':
        printPages(step.pages, step.width, step.height);
        await new Promise((resolve) => setTimeout(resolve, 50));
        window.print();
        break;
      case 'settings':
        store(kStore.settings, step.text);
        break;
      case 'log':
        if (!store(kStore.log, step.text)) {
          await showMessage({ title: 'Velmora', text: 'The worksheet\'s answers could not be kept in this browser\'s storage.' }, false);
        }
        break;
      default:
        break;
    }
  }
  if (pause > 0) await wait(pause);
}

// A hint's formula, told as the desktop tells it: each circle's name gains its interval, and
// the whole formula is announced.
function tellFormula(shown) {
  if (!shown.every((circle) => circle.formula)) return;
  const intervals = shown.map((circle, index) => (index === 0 ? 'root' : WebGame.spokenChord(circle.caption)));
  shown.forEach((circle, index) => {
    const element = circles[circle.circle - 1];
    element.setAttribute('aria-label', `${element.getAttribute('aria-label')}; formula: ${intervals[index]}`);
  });
  const line = WebGame.star().lines.findIndex((circles) => circles[0] === shown[0].circle && circles.at(-1) === shown.at(-1).circle);
  if (line >= 0) announce(`${WebGame.spokenChord(game.controls().hints[line])} formula: ${intervals.join(', ')}`);
}

function setPlatform() {
  const now = new Date();
  game.setNow(Math.floor(now.getTime() / 1000), now.toLocaleDateString(), now.toLocaleTimeString());
  // Letter paper in the United States, Canada and Mexico; A4 elsewhere.
  const letter = /^(en|es|fr)-(US|CA|MX)$/.test(navigator.language);
  if (letter) game.setPaper(12240, 15840);
  else game.setPaper(11906, 16838);
}

// What the board holds: a handler that changes it ends the review's marks.
function boardShown() {
  const controls = game.controls();
  return JSON.stringify([controls.circles.map((circle) => circle.caption), controls.hints]);
}

async function run(handler) {
  if (busy) {
    render();
    return;
  }
  busy = true;
  // Typing starts afresh after any handler: "b" after Create makes no "Eb" of an old "E".
  typingCircle = 0;
  const board = boardShown();
  document.body.classList.add('busy');
  try {
    setPlatform();
    await play(handler(), handler);
  } finally {
    shownOverride = new Map();
    if (boardShown() !== board) clearMistakes();
    busy = false;
    document.body.classList.remove('busy');
    render();
    saveHistory();
  }
}

let savedHistory = '';
function saveHistory() {
  const text = game.historyText();
  if (text === savedHistory) return;
  savedHistory = text;
  if (!store(kStore.history, text)) announce('Your practice history could not be kept in this browser\'s storage.');
}

function dropName(circle, name) {
  if (busy) return false;
  clearMistakes();
  const taken = game.drop(circle, name);
  render();
  return taken;
}

function typeInto(circle, key) {
  if (typingCircle !== circle) typing = '';
  const name = WebGame.typed(typing, key);
  if (name === null || !dropName(circle, name)) {
    beep();
    return;
  }
  typing = name;
  typingCircle = circle;
}

function moveStarStop(circle) {
  circles[starStop - 1].tabIndex = -1;
  starStop = circle;
  circles[starStop - 1].tabIndex = 0;
  typingCircle = 0;
}

function moveInStar(circle, arrow) {
  const next = game.neighbour(circle, arrow);
  if (next === 0) return;
  moveStarStop(next);
  circles[next - 1].focus();
}

function putDown(circle) {
  if (!carried) return;
  const name = carried;
  setCarried('');
  if (!dropName(circle, name)) beep();
  typingCircle = 0;
}

function setCarried(name) {
  carried = name;
  for (const button of paletteButtons) button.classList.toggle('carried', button.textContent === name && name !== '');
}

const kArrows = { ArrowLeft: 'left', ArrowRight: 'right', ArrowUp: 'up', ArrowDown: 'down' };

function circleKey(event, circle) {
  if (busy || event.ctrlKey || event.altKey || event.metaKey) return;
  const arrow = kArrows[event.key];
  if (arrow) {
    moveInStar(circle, arrow);
  } else if (event.key === 'Backspace' || event.key === 'Delete') {
    if (game.clear(circle)) clearMistakes();
    else beep();
    typingCircle = 0;
    render();
  } else if (event.key === 'Enter') {
    putDown(circle);
  } else if (event.key === 'Escape') {
    if (carried) announce(`${carried} put back`);
    setCarried('');
  } else if (event.key.length === 1 && event.key > ' ') {
    typeInto(circle, event.key);
  } else {
    return;
  }
  event.preventDefault();
}

function showMistakes() {
  clearMistakes();
  mistakes = game.review();
  const told = [];
  applyMistakes();
  circles.forEach((element, index) => {
    if (element.title) told.push(`circle ${index + 1}: ${mistakes[index].text}`);
  });
  announce(told.length === 0 ? 'no mistakes' : told.join('; '));
}

// The marks stay, as on the desktop, until the board changes.
function clearMistakes() {
  if (!mistakes) return;
  mistakes = null;
  applyMistakes();
}

function closeMenu() {
  const menu = $('menu');
  if (menu.hidden) return;
  menu.hidden = true;
  menu.replaceChildren();
  menu.returnFocus?.focus();
}

function showMenu(x, y, items, from) {
  const menu = $('menu');
  menu.replaceChildren(...items.map((item) => {
    const button = document.createElement('button');
    button.type = 'button';
    button.textContent = item.label;
    button.setAttribute('role', item.checked === undefined ? 'menuitem' : 'menuitemcheckbox');
    if (item.checked !== undefined) button.setAttribute('aria-checked', String(item.checked));
    button.disabled = Boolean(item.disabled);
    button.addEventListener('click', () => {
      closeMenu();
      item.action();
    });
    return button;
  }));
  menu.returnFocus = from;
  menu.hidden = false;
  const box = menu.getBoundingClientRect();
  menu.style.left = `${Math.max(0, Math.min(x, innerWidth - box.width))}px`;
  menu.style.top = `${Math.max(0, Math.min(y, innerHeight - box.height))}px`;
  menu.querySelector('button:not(:disabled)')?.focus();
}

function menuAt(element, event) {
  if (event.clientX || event.clientY) return [event.clientX, event.clientY];
  const box = element.getBoundingClientRect();
  return [box.left + box.width / 2, box.bottom];
}

function onContextMenu(element, items) {
  element.addEventListener('contextmenu', (event) => {
    event.preventDefault();
    if (busy) return;
    showMenu(...menuAt(element, event), items(), element);
  });
}

let drag = null;

function circleAt(x, y) {
  const element = document.elementFromPoint(x, y)?.closest('.circle');
  return element ? Number(element.dataset.circle) : 0;
}

function showTarget(circle) {
  circles.forEach((element, index) => element.classList.toggle('target', index + 1 === circle));
}

function startPaletteDrag(button) {
  button.addEventListener('pointerdown', (event) => {
    if (busy || event.button !== 0) return;
    // A finger's drag may end without a click: the mark of the last drag goes here.
    delete button.dataset.dragged;
    drag = { button, name: button.textContent, x: event.clientX, y: event.clientY, moved: false, ghost: null };
    button.setPointerCapture(event.pointerId);
  });
  button.addEventListener('pointermove', (event) => {
    if (!drag || drag.button !== button) return;
    if (!drag.moved && Math.hypot(event.clientX - drag.x, event.clientY - drag.y) < 6) return;
    if (!drag.moved) {
      drag.moved = true;
      drag.ghost = document.createElement('div');
      drag.ghost.className = 'ghost';
      drag.ghost.textContent = drag.name;
      drag.ghost.setAttribute('aria-hidden', 'true');
      document.body.append(drag.ghost);
    }
    drag.ghost.style.left = `${event.clientX}px`;
    drag.ghost.style.top = `${event.clientY}px`;
    const circle = circleAt(event.clientX, event.clientY);
    showTarget(circle !== 0 && game.controls().circles[circle - 1].enabled ? circle : 0);
  });
  const end = (event, dropped) => {
    if (!drag || drag.button !== button) return;
    const { moved, name, ghost } = drag;
    drag = null;
    ghost?.remove();
    showTarget(0);
    if (!moved) return;
    button.dataset.dragged = '1';
    if (!dropped) return;
    const circle = circleAt(event.clientX, event.clientY);
    typingCircle = 0;
    if (circle !== 0) dropName(circle, name);
  };
  button.addEventListener('pointerup', (event) => end(event, true));
  button.addEventListener('pointercancel', (event) => end(event, false));
  button.addEventListener('click', () => {
    // A drag ends in a click on the button it started from; only a press picks the name up.
    if (button.dataset.dragged) {
      delete button.dataset.dragged;
      return;
    }
    if (busy) return;
    setCarried(button.textContent);
    announce(`${carried} picked up: choose a circle with the arrow keys and press Enter, or press a circle`);
    circles[starStop - 1].focus();
  });
}

function buildStar() {
  const star = $('star');
  const shape = WebGame.star();
  const at = (circle) => {
    const offset = shape.offsets[circle - 1];
    return [kBox.centreX + offset.dx, kBox.centreY + offset.dy];
  };
  const svg = star.querySelector('svg');
  svg.setAttribute('viewBox', `0 0 ${kBox.width} ${kBox.height}`);
  for (const line of shape.lines) {
    const [x1, y1] = at(line[0]);
    const [x2, y2] = at(line[line.length - 1]);
    const length = Math.hypot(x2 - x1, y2 - y1);
    const reach = 330 / length;
    const element = document.createElementNS('http://www.w3.org/2000/svg', 'line');
    element.setAttribute('x1', x1 - (x2 - x1) * reach);
    element.setAttribute('y1', y1 - (y2 - y1) * reach);
    element.setAttribute('x2', x2 + (x2 - x1) * reach);
    element.setAttribute('y2', y2 + (y2 - y1) * reach);
    svg.append(element);
  }
  for (let circle = 1; circle <= shape.offsets.length; ++circle) {
    const element = document.createElement('div');
    const [x, y] = at(circle);
    const offset = shape.offsets[circle - 1];
    const ring = circle === shape.centre ? 'centre' : Math.max(Math.abs(offset.dx), Math.abs(offset.dy)) > 600 ? 'outer' : 'inner';
    element.className = `circle ${ring}`;
    element.dataset.circle = circle;
    element.setAttribute('role', 'button');
    element.tabIndex = circle === starStop ? 0 : -1;
    element.style.left = `${(x / kBox.width) * 100}%`;
    element.style.top = `${(y / kBox.height) * 100}%`;
    element.addEventListener('keydown', (event) => circleKey(event, circle));
    element.addEventListener('focus', () => { if (circle !== starStop) moveStarStop(circle); });
    element.addEventListener('click', () => {
      if (carried) putDown(circle);
    });
    onContextMenu(element, () => {
      const open = game.controls().circles[circle - 1].enabled;
      return [
        { label: 'Clear', disabled: !open, action: () => { game.clear(circle); typingCircle = 0; clearMistakes(); render(); } },
        { label: 'Show mistakes', action: showMistakes },
        {
          label: 'Reveal this note',
          disabled: !open,
          action: () => {
            if (game.reveal(circle)) {
              typingCircle = 0;
              clearMistakes();
              render();
              announce(game.controls().circles[circle - 1].description);
            }
          },
        },
      ];
    });
    star.append(element);
    circles.push(element);
  }
  kHintPlaces.forEach(([x, y], index) => {
    const button = document.createElement('button');
    button.type = 'button';
    button.id = `Hint${index + 1}`;
    button.className = 'hint';
    button.title = 'The chord\'s formula for two seconds, and its sound; right-click to hear your answer';
    button.style.left = `${(x / kBox.width) * 100}%`;
    button.style.top = `${(y / kBox.height) * 100}%`;
    button.addEventListener('click', () => run(() => game.hint(index + 1)));
    onContextMenu(button, () => [{
      label: 'Play my answer',
      disabled: !game.controls().midi,
      action: () => run(() => game.playAnswer(index + 1)),
    }]);
    star.append(button);
    hints.push(button);
  });
}

function buildPalette() {
  const names = WebGame.palette();
  const palette = document.querySelector('.palette');
  for (const [title, first] of kPaletteGroups) {
    const group = document.createElement('div');
    group.className = 'group';
    group.setAttribute('role', 'group');
    group.setAttribute('aria-label', title);
    const heading = document.createElement('h3');
    heading.textContent = title;
    heading.setAttribute('aria-hidden', 'true');
    group.append(heading);
    // Left to right in the order of the letters, as on the desktop.
    const row = names.slice(first, first + 7).sort((a, b) => 'CDEFGAB'.indexOf(a[0]) - 'CDEFGAB'.indexOf(b[0]));
    for (const name of row) {
      const button = document.createElement('button');
      button.type = 'button';
      button.textContent = name;
      button.setAttribute('aria-label', WebGame.spokenNote(name));
      button.tabIndex = paletteButtons.length === 0 ? 0 : -1;
      button.addEventListener('keydown', (event) => paletteKey(event, paletteButtons.indexOf(button)));
      startPaletteDrag(button);
      group.append(button);
      paletteButtons.push(button);
    }
    palette.append(group);
  }
}

function paletteKey(event, index) {
  const moves = { ArrowLeft: -1, ArrowRight: 1, ArrowUp: -7, ArrowDown: 7 };
  if (!(event.key in moves)) return;
  event.preventDefault();
  const next = index + moves[event.key];
  if (next < 0 || next >= paletteButtons.length) return;
  if (Math.abs(moves[event.key]) === 1 && Math.floor(next / 7) !== Math.floor(index / 7)) return;
  paletteButtons[index].tabIndex = -1;
  paletteButtons[next].tabIndex = 0;
  paletteButtons[next].focus();
}

function showProgress() {
  const progress = game.progress();
  $('progress-overview').textContent = progress.checks === 0 ? progress.empty : progress.overview;
  const sections = $('progress-sections');
  sections.replaceChildren();
  if (progress.checks > 0) {
    for (const section of progress.sections) {
      const heading = document.createElement('h3');
      heading.textContent = section.title;
      const bars = document.createElement('div');
      bars.className = 'bars';
      bars.setAttribute('aria-hidden', 'true');
      for (const point of section.points) {
        const bar = document.createElement('div');
        bar.className = 'bar';
        bar.style.width = `${point.percent}%`;
        const track = document.createElement('div');
        track.append(bar);
        bars.append(Object.assign(document.createElement('span'), { textContent: point.name }), track,
          Object.assign(document.createElement('span'), { textContent: `${point.percent}%` }));
      }
      const lines = document.createElement('ul');
      lines.className = 'visually-hidden';
      for (const line of section.lines) lines.append(Object.assign(document.createElement('li'), { textContent: line }));
      sections.append(heading, bars, lines);
    }
  }
  if (!$('progress').open) $('progress').showModal();
}

function exportCsv() {
  const blob = new Blob([game.historyCsv()], { type: 'text/csv' });
  const link = Object.assign(document.createElement('a'), { href: URL.createObjectURL(blob), download: 'velmora-history.csv' });
  link.click();
  setTimeout(() => URL.revokeObjectURL(link.href), 1000);
}

async function forgetHistory() {
  const texts = WebGame.progressTexts();
  if (!(await showMessage({ title: 'Velmora', text: texts.forgetQuestion }, true))) return;
  game.forgetHistory();
  saveHistory();
  await showMessage({ title: 'Velmora', text: texts.forgotten }, false);
  showProgress();
}

function setWeakSpots(on) {
  run(() => game.setWeakSpotPractice(on));
}

async function printAnswerKey() {
  setPlatform();
  const key = game.answerKey();
  const told = [...key.problems];
  if (key.failure) told.push(key.failure);
  if (key.pages.length === 0) told.push('The answer log holds no sheet yet: print a Work Sheet first.');
  if (told.length > 0) await showMessage({ title: 'Answer key', text: told.join('\n') }, false);
  if (key.pages.length === 0) return;
  printPages(key.pages, key.width, key.height);
  await wait(50);
  window.print();
}

function connect() {
  $('Create_Puzzle').addEventListener('click', () => run(() => game.create()));
  $('Command_Check').addEventListener('click', () => run(() => game.check()));
  $('WorkSheet_cmd').addEventListener('click', () => run(() => game.worksheet()));
  $('Help_cmd').addEventListener('click', () => run(() => game.help()));
  $('advanced').addEventListener('change', (event) => run(() => game.setAdvanced(event.target.checked)));
  $('Center_Question').addEventListener('change', (event) => run(() => game.setCentreQuestion(event.target.checked)));
  $('check_midi').addEventListener('change', (event) => run(() => game.setMidiEnabled(event.target.checked)));
  $('Option1').addEventListener('click', () => run(() => game.chooseLevel(false)));
  $('Option2').addEventListener('click', () => run(() => game.chooseLevel(true)));
  $('weak_spots').addEventListener('change', (event) => setWeakSpots(event.target.checked));
  onContextMenu($('Create_Puzzle'), () => [{ label: 'Practice weak spots', checked: game.controls().weakSpots, action: () => setWeakSpots(!game.controls().weakSpots) }]);
  onContextMenu($('WorkSheet_cmd'), () => [{ label: 'Answer key…', action: printAnswerKey }]);
  onContextMenu($('Help_cmd'), () => [{ label: 'Progress…', action: showProgress }]);
  $('about-progress').addEventListener('click', () => { $('about').close(); showProgress(); });
  $('about-key').addEventListener('click', () => { $('about').close(); printAnswerKey(); });
  $('progress-export').addEventListener('click', exportCsv);
  $('progress-forget').addEventListener('click', forgetHistory);

  // The shortcuts of the desktop window; browsers keep Ctrl+N for themselves, so Alt+N too.
  document.addEventListener('keydown', (event) => {
    if (document.querySelector('dialog[open]')) return;
    const key = event.key.toLowerCase();
    const control = event.ctrlKey || event.metaKey;
    const shortcuts = {
      n: () => $('Create_Puzzle').click(),
      k: () => $('Command_Check').click(),
      p: () => $('WorkSheet_cmd').click(),
      m: showMistakes,
      l: () => circles[starStop - 1].focus(),
      h: showProgress,
    };
    let action = null;
    if (event.key === 'F1') action = () => $('Help_cmd').click();
    else if (control && !event.altKey && shortcuts[key]) action = shortcuts[key];
    else if (event.altKey && !control && key === 'n') action = shortcuts.n;
    if (!action) return;
    event.preventDefault();
    if (!busy) action();
  });
  document.addEventListener('keydown', (event) => {
    if (event.key === 'Escape') closeMenu();
  }, true);
  document.addEventListener('pointerdown', (event) => {
    if (!$('menu').contains(event.target)) closeMenu();
  }, true);
  $('menu').addEventListener('keydown', (event) => {
    const items = [...$('menu').querySelectorAll('button:not(:disabled)')];
    const at = items.indexOf(document.activeElement);
    if (event.key === 'ArrowDown') items[(at + 1) % items.length]?.focus();
    else if (event.key === 'ArrowUp') items[(at - 1 + items.length) % items.length]?.focus();
    else return;
    event.preventDefault();
  });
}

async function start() {
  const module = await createVelmora();
  WebGame = module.WebGame;
  game = new WebGame();
  game.loadAnswerLog(loadStored(kStore.log));
  game.loadSettings(loadStored(kStore.settings));
  const unreadable = game.loadHistory(loadStored(kStore.history));
  savedHistory = game.historyText();
  buildStar();
  buildPalette();
  connect();
  setPlatform();
  await play(game.load(), () => game.load());
  render();
  $('loading').textContent = '';
  document.documentElement.dataset.ready = String(Math.round(performance.now()));
  $('Create_Puzzle').focus();
  if (unreadable > 0) announce(`${unreadable} lines of the stored practice history could not be read and were left out.`);
  // Other tabs of the page record too: take their history and log before adding to them.
  window.addEventListener('storage', (event) => {
    if (event.key === kStore.history) {
      game.loadHistory(event.newValue ?? '');
      savedHistory = game.historyText();
    } else if (event.key === kStore.log) {
      game.loadAnswerLog(event.newValue ?? '');
    }
  });
  if ('serviceWorker' in navigator && location.protocol !== 'file:') {
    navigator.serviceWorker.register('service-worker.js').catch(() => {});
  }
}

// The tests reach the binding here, to draw a board from a seed as the desktop's test does.
window.velmora = { get game() { return game; }, get WebGame() { return WebGame; } };
start().catch((error) => {
  $('loading').textContent = `Velmora could not start in this browser: ${error.message ?? error}. A recent Chrome, Edge, Firefox or Safari runs it.`;
  console.error(error);
});
