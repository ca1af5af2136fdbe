// Parcourt une page de diaporama générée, dans Chromium sans tête, comme le ferait un visiteur.
// Usage : node verifier_page.mjs <page.htm> <attendu.json>
// attendu.json : { nom, titre, lecture, diapos: [{ image, largeur, hauteur, lignes, gras, couleur }] }
// Avec OSTRELLE_CAPTURES=<dossier>, des captures d'écran y sont déposées (téléphone et grand écran).
// Code de sortie 0 : tout est conforme ; 1 : au moins un écart, décrit sur la sortie.

import { chromium } from 'playwright-core';
import { readFileSync, mkdirSync } from 'node:fs';
import { join, dirname } from 'node:path';
import { gzipSync } from 'node:zlib';
import { createRequire } from 'node:module';
import { pathToFileURL } from 'node:url';

const [cheminPage, cheminAttendu] = process.argv.slice(2);
if (!cheminPage || !cheminAttendu) {
  console.error('usage : node verifier_page.mjs <page.htm> <attendu.json>');
  process.exit(2);
}
const attendu = JSON.parse(readFileSync(cheminAttendu, 'utf8'));
const adresse = pathToFileURL(cheminPage).href;
const n = attendu.diapos.length;
const captures = process.env.OSTRELLE_CAPTURES || '';
const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
const ecarts = [];

function ecart(message) {
  ecarts.push(message);
  console.log(`ÉCART : ${message}`);
}

function verifier(condition, message) {
  if (!condition) ecart(message);
  return condition;
}

function egal(obtenu, voulu, quoi) {
  return verifier(JSON.stringify(obtenu) === JSON.stringify(voulu),
    `${quoi} : obtenu ${JSON.stringify(obtenu)}, attendu ${JSON.stringify(voulu)}`);
}

// Tout ce que la page fait d'anormal est retenu, page par page.
function surveiller(page, journal) {
  page.on('console', (m) => {
    if (m.type() === 'error') journal.erreurs.push(`console : ${m.text()}`);
  });
  page.on('pageerror', (e) => journal.erreurs.push(`exception : ${e.message}`));
  page.on('request', (r) => journal.requetes.push(r.url()));
  // Une image abandonnée parce qu'une autre l'a remplacée avant la fin (ERR_ABORTED) n'est pas
  // une panne : la page ouverte sur la vingtième diapo abandonne la première, que le script nomme.
  page.on('requestfailed', (r) => {
    if (r.resourceType() === 'image' && /ERR_ABORTED/.test(r.failure()?.errorText || '')) return;
    journal.erreurs.push(`échec de chargement : ${r.url()} (${r.failure()?.errorText})`);
  });
}

async function nouveauContexte(navigateur, options) {
  const contexte = await navigateur.newContext({ locale: 'fr-FR', ...options });
  // Rien ne doit sortir de la machine : tout ce qui n'est pas un fichier est refusé et noté.
  contexte.horsFichier = [];
  await contexte.route(/^(https?|wss?|ftp):/, (route) => {
    contexte.horsFichier.push(route.request().url());
    return route.abort();
  });
  // Chaque lecture du son est comptée, sans dépendre d'une carte son. Chaque fondu aussi, avec
  // l'état de la nouvelle image au moment où elle est posée ; chaque décalage de mise en page est
  // additionné, geste du visiteur ou non.
  await contexte.addInitScript(() => {
    window.__lecturesSon = [];
    const jouer = HTMLMediaElement.prototype.play;
    HTMLMediaElement.prototype.play = function () {
      window.__lecturesSon.push(this.src);
      return jouer.call(this);
    };
    window.__fondus = [];
    window.__poseesNonDecodees = 0;
    const animer = Element.prototype.animate;
    Element.prototype.animate = function (...args) {
      const animation = animer.apply(this, args);
      window.__fondus.push(animation);
      return animation;
    };
    // Au moment où la nouvelle adresse est posée, l'image doit déjà être prête ; seules celles
    // de l'ouverture (pendant la lecture de la page et au démarrage du script) se chargent sous les
    // yeux.
    document.addEventListener('DOMContentLoaded', () => {
      const image = document.getElementById('diapo');
      if (!image) return;
      let ouverte = false;
      setTimeout(() => { ouverte = true; }, 0);
      new MutationObserver(() => {
        if (ouverte && !(image.complete && image.naturalWidth > 0)) window.__poseesNonDecodees++;
      }).observe(image, { attributes: true, attributeFilter: ['src'] });
    });
    window.__decalages = 0;
    new PerformanceObserver((liste) => {
      for (const e of liste.getEntries()) window.__decalages += e.value;
    }).observe({ type: 'layout-shift', buffered: true });
  });
  return contexte;
}

async function ouvrir(contexte) {
  const page = await contexte.newPage();
  page.setDefaultTimeout(5000);
  const journal = { erreurs: [], requetes: [], horsFichier: contexte.horsFichier };
  surveiller(page, journal);
  await page.goto(adresse, { waitUntil: 'load' });
  return { page, journal };
}

function bouton(page, nom) {
  return page.getByRole('button', { name: nom, exact: true });
}

// Ce que voit le visiteur : compteur, image, commentaire (lignes sans espaces de bord).
async function etat(page) {
  return page.evaluate(() => {
    const image = document.getElementById('diapo');
    const lignes = document.getElementById('InfoTexte').innerText.replace(/\u00a0/g, ' ')
      .split('\n').map((l) => l.replace(/[ \t]+/g, ' ').trim());
    while (lignes.length && lignes[lignes.length - 1] === '') lignes.pop();
    const gras = document.querySelector('#InfoTexte b');
    const police = document.querySelector('#InfoTexte font[color]');
    return {
      compteur: document.getElementById('InfoDiaporama').textContent.trim(),
      src: image.getAttribute('src'),
      lignes,
      gras: gras ? gras.textContent.trim() : null,
      couleur: police ? police.getAttribute('color').toUpperCase() : null,
    };
  });
}

async function compteur(page) {
  return page.evaluate(() => document.getElementById('InfoDiaporama').textContent.trim());
}

// La diapo i est montrée : compteur, bonne image réellement décodée, commentaire tel qu'écrit.
async function verifierDiapo(page, i, contexte) {
  const d = attendu.diapos[i];
  const ici = `${contexte}, diapo ${i}`;
  try {
    await page.waitForFunction(([nom, largeur]) => {
      const image = document.getElementById('diapo');
      return image.getAttribute('src') === nom && image.complete && image.naturalWidth === largeur;
    }, [d.image, d.largeur], { timeout: 5000 });
  } catch {
    const image = await page.evaluate(() => {
      const e = document.getElementById('diapo');
      return { src: e.getAttribute('src'), complete: e.complete, largeur: e.naturalWidth };
    });
    ecart(`${ici} : image non chargée ou autre image (${JSON.stringify(image)}, attendu ${d.image} de ${d.largeur} px)`);
  }
  await finDesFondus(page);
  const e = await etat(page);
  egal(e.compteur, `${i + 1} / ${n}`, `${ici} : compteur`);
  egal(e.src, d.image, `${ici} : image`);
  egal(e.lignes, d.lignes, `${ici} : commentaire`);
  if (d.gras) egal(e.gras, d.gras, `${ici} : texte en gras`);
  if (d.couleur) egal(e.couleur, d.couleur.toUpperCase(), `${ici} : couleur du texte`);
  // Le texte de remplacement de l'image est celui du commentaire, sinon sa place ; le
  // commentaire est annoncé aux lecteurs d'écran.
  const alt = await page.evaluate(() => document.getElementById('diapo').alt);
  const texte = d.lignes.join(' ').replace(/\s+/g, ' ').trim();
  egal(alt, texte || `Diapositive ${i + 1} sur ${n}`, `${ici} : texte de remplacement de l'image`);
  egal(await page.evaluate(() => document.getElementById('InfoTexte').getAttribute('aria-live')),
    'polite', `${ici} : commentaire non annoncé`);
}

// Vrai quand l'élément devient visible (ou caché) avant le délai : un toucher donne son clic un
// peu plus tard.
async function devient(locator, etatVoulu = 'visible', delai = 2000) {
  try {
    await locator.waitFor({ state: etatVoulu, timeout: delai });
    return true;
  } catch {
    return false;
  }
}

// Les fondus en cours, achevés ou interrompus.
async function finDesFondus(page) {
  await page.evaluate(() => Promise.race([
    // Une animation annulée a une nouvelle promesse de fin, qui n'aboutira jamais.
    Promise.all(window.__fondus.filter((a) => a.playState !== 'idle').map((a) => a.finished.catch(() => {}))),
    new Promise((fini) => setTimeout(fini, 2000))]));
}

async function attendreCompteur(page, voulu, delai = 3000) {
  try {
    await page.waitForFunction((v) => document.getElementById('InfoDiaporama').textContent.trim() === v,
      voulu, { timeout: delai });
    return true;
  } catch {
    return false;
  }
}

async function griseS(page, nom) {
  return (await bouton(page, nom).getAttribute('aria-disabled')) === 'true';
}

// Boutons : chacun trouvé par son nom accessible français, chacun déplace compteur et image.
async function verifierBoutons(page) {
  const ici = 'boutons';
  verifier(await griseS(page, 'Première diapo'), `${ici} : « Première diapo » devrait être grisé sur la première`);
  await bouton(page, 'Diapo précédente').click({ force: true });
  egal(await compteur(page), `1 / ${n}`, `${ici} : précédente sur la première ne bouge pas`);
  await bouton(page, 'Diapo suivante').click();
  await verifierDiapo(page, 1, `${ici} (suivante)`);
  await bouton(page, 'Dernière diapo').click();
  await verifierDiapo(page, n - 1, `${ici} (dernière)`);
  verifier(await griseS(page, 'Diapo suivante'), `${ici} : « Diapo suivante » devrait être grisé sur la dernière`);
  await bouton(page, 'Diapo suivante').click({ force: true });
  egal(await compteur(page), `${n} / ${n}`, `${ici} : suivante sur la dernière ne bouge pas`);
  await bouton(page, 'Diapo précédente').click();
  await verifierDiapo(page, n - 2, `${ici} (précédente)`);
  await bouton(page, 'Première diapo').click();
  await verifierDiapo(page, 0, `${ici} (première)`);
  verifier(!(await griseS(page, 'Diapo suivante')), `${ici} : « Diapo suivante » grisé à tort`);
  // Des icônes dessinées dans la page, sans fichier ni police, et une bulle qui dit leur nom.
  for (const nom of ['Première diapo', 'Diapo précédente', 'Diapo suivante', 'Dernière diapo', "Vue d'ensemble"]) {
    const b = bouton(page, nom);
    const icone = await b.evaluate((e) => {
      const svg = e.querySelector('svg');
      const r = svg ? svg.getBoundingClientRect() : null;
      return { svg: !!svg, l: r ? r.width : 0, bulle: e.title };
    });
    verifier(icone.svg && icone.l >= 12, `${ici} : « ${nom} » sans icône visible`);
    verifier(icone.bulle.startsWith(nom), `${ici} : bulle de « ${nom} » : « ${icone.bulle} »`);
  }
  await verifierNomsEtFocus(page, ici);
}

// Chaque commande visible a un nom lu par les lecteurs d'écran, et le focus du clavier se voit
// sur chacune : le contour ou l'ombre changent quand elle le reçoit.
async function verifierNomsEtFocus(page, ici) {
  const sansNom = await page.evaluate(() => [...document.querySelectorAll('button')]
    .filter((b) => b.getClientRects().length && !(b.getAttribute('aria-label') || b.textContent).trim())
    .map((b) => b.outerHTML.slice(0, 60)));
  verifier(sansNom.length === 0, `${ici} : commandes sans nom : ${sansNom.join(' ; ')}`);
  await page.evaluate(() => document.activeElement && document.activeElement.blur());
  const vus = new Set();
  for (let k = 0; k < 20; ++k) {
    await page.keyboard.press('Tab');
    const f = await page.evaluate(() => {
      const e = document.activeElement;
      if (!e || e === document.body || e.tagName !== 'BUTTON') return null;
      const s = getComputedStyle(e);
      return { nom: e.getAttribute('aria-label'), contour: s.outlineStyle !== 'none' && parseFloat(s.outlineWidth) >= 2,
        ombre: s.boxShadow !== 'none' };
    });
    if (!f || vus.has(f.nom)) continue;
    vus.add(f.nom);
    verifier(f.contour || f.ombre, `${ici} : focus du clavier invisible sur « ${f.nom} »`);
  }
  verifier(vus.size >= 6, `${ici} : ${vus.size} commandes seulement atteintes par Tab`);
  await page.evaluate(() => document.activeElement && document.activeElement.blur());
}

async function verifierClavier(page) {
  const ici = 'clavier';
  await page.evaluate(() => document.activeElement && document.activeElement.blur());
  const pas = [['ArrowRight', 1], ['ArrowLeft', 0], ['End', n - 1], ['Home', 0], ['Space', 1], ['ArrowLeft', 0]];
  for (const [touche, i] of pas) {
    await page.keyboard.press(touche);
    await verifierDiapo(page, i, `${ici} (${touche})`);
  }
  // Dans un champ de saisie, les touches appartiennent au champ.
  await page.evaluate(() => {
    const champ = document.createElement('input');
    champ.id = 'champEssai';
    document.body.appendChild(champ);
    champ.focus();
  });
  for (const touche of ['Space', 'ArrowRight', 'End']) await page.keyboard.press(touche);
  egal(await compteur(page), `1 / ${n}`, `${ici} : touches dans un champ de saisie`);
  await page.evaluate(() => document.getElementById('champEssai').remove());
}

async function verifierPrechargement(page, journal) {
  const suivante = new URL(attendu.diapos[1].image, adresse).href;
  const debut = Date.now();
  while (!journal.requetes.includes(suivante) && Date.now() - debut < 3000) await page.waitForTimeout(50);
  verifier(journal.requetes.includes(suivante), `préchargement : ${attendu.diapos[1].image} pas demandée avant d'y aller`);
}

async function lecturesSon(page) {
  return page.evaluate(() => window.__lecturesSon.length);
}

// Le carillon se tait tant que le visiteur ne l'a pas demandé, jamais avant un geste ; ensuite
// un son par changement, jusqu'à ce qu'il le coupe ; le choix survit au rechargement.
async function verifierSon(page) {
  const ici = 'son';
  await page.evaluate(() => { Suivante(); Premiere(); });
  egal(await lecturesSon(page), 0, `${ici} : joué sans geste de l'utilisateur`);
  await bouton(page, 'Diapo suivante').click();
  await verifierDiapo(page, 1, ici);
  egal(await lecturesSon(page), 0, `${ici} : joué alors que le visiteur ne l'a pas demandé`);
  await bouton(page, 'Activer le son').click();
  egal(await page.evaluate(() => localStorage.getItem('ostrelle.son')), 'actif', `${ici} : choix mémorisé`);
  await bouton(page, 'Diapo précédente').click();
  await verifierDiapo(page, 0, ici);
  const lectures = await page.evaluate(() => window.__lecturesSon);
  verifier(lectures.length === 1 && lectures[0].endsWith('/sohifrm2.wav'),
    `${ici} : un son sohifrm2.wav attendu au changement, joués : ${JSON.stringify(lectures)}`);
  await page.reload({ waitUntil: 'load' });
  verifier(await bouton(page, 'Couper le son').isVisible(), `${ici} : son demandé oublié au rechargement`);
  await bouton(page, 'Couper le son').click();
  await page.keyboard.press('End');
  egal(await lecturesSon(page), 0, `${ici} : joué alors qu'il est coupé`);
  egal(await page.evaluate(() => localStorage.getItem('ostrelle.son')), 'coupe', `${ici} : son coupé mémorisé`);
  await bouton(page, 'Première diapo').click();
  await verifierDiapo(page, 0, ici);
}

// L'adresse porte la diapo montrée : « #k » ouvre la k-ième, un numéro faux ou hors du
// diaporama ouvre la première, le rechargement reste sur la diapo, et changer de diapo n'ajoute
// rien à l'historique.
async function verifierAdresse(navigateur) {
  const ici = 'adresse';
  const contexte = await nouveauContexte(navigateur, { viewport: { width: 1280, height: 800 } });
  const page = await contexte.newPage();
  page.setDefaultTimeout(5000);
  const journal = { erreurs: [], requetes: [], horsFichier: contexte.horsFichier };
  surveiller(page, journal);
  const k = Math.min(5, n);
  for (const [fin, voulue] of [['#1', 0], [`#${k}`, k - 1], ['#999', 0], ['#abc', 0], ['#0', 0]]) {
    await page.goto('about:blank');
    await page.goto(adresse + fin, { waitUntil: 'load' });
    await verifierDiapo(page, voulue, `${ici} ${fin}`);
    egal(await page.evaluate(() => location.hash), `#${voulue + 1}`, `${ici} ${fin} : adresse rectifiée`);
  }
  const avant = await page.evaluate(() => history.length);
  const pas = Math.min(3, n - 1);
  for (let i = 0; i < pas; i++) await bouton(page, 'Diapo suivante').click();
  egal(await page.evaluate(() => location.hash), `#${pas + 1}`, `${ici} : l'adresse suit la diapo`);
  egal(await page.evaluate(() => history.length), avant, `${ici} : une entrée d'historique par diapo`);
  await page.reload({ waitUntil: 'load' });
  await verifierDiapo(page, pas, `${ici} (rechargée)`);
  // Une adresse changée à la main, page ouverte : la diapo suit.
  await page.evaluate(() => { location.hash = '#1'; });
  verifier(await attendreCompteur(page, `1 / ${n}`), `${ici} : adresse changée à la main ignorée`);
  await contexte.close();
  return journal;
}

async function verifierLecture(page) {
  const ici = 'lecture automatique';
  await bouton(page, 'Lancer la lecture automatique').click();
  const pause = bouton(page, 'Mettre en pause');
  verifier(await pause.isVisible(), `${ici} : le bouton devrait devenir « Mettre en pause »`);
  egal((await pause.innerText()).trim(), 'Pause', `${ici} : libellé visible pendant la lecture`);
  verifier(await attendreCompteur(page, `2 / ${n}`, 6000), `${ici} : pas de diapo suivante après 6 s`);
  await verifierDiapo(page, 1, ici);
  // Une touche : le visiteur prend la main, la lecture se met en pause et le montre.
  await page.keyboard.press('End');
  await verifierDiapo(page, n - 1, ici);
  const lancer = bouton(page, 'Lancer la lecture automatique');
  verifier(await lancer.isVisible(), `${ici} : pas en pause après une touche`);
  egal((await lancer.innerText()).trim(), 'Lecture', `${ici} : libellé visible à l'arrêt`);
  await page.waitForTimeout(4800);
  egal(await compteur(page), `${n} / ${n}`, `${ici} : avance encore après une touche`);
  // Relancée à la dernière, elle repart de la première ; un clic sur une commande la met en pause.
  await lancer.click();
  verifier(await attendreCompteur(page, `1 / ${n}`, 6000), `${ici} : ne repart pas de la première après la dernière`);
  await bouton(page, 'Diapo suivante').click();
  verifier(await lancer.isVisible(), `${ici} : pas en pause après un clic`);
  await page.waitForTimeout(4800);
  egal(await compteur(page), `2 / ${n}`, `${ici} : avance encore après un clic`);
  // La durée de chaque diapo se règle (4 s, puis 6, 8, 12, 2) sans arrêter la lecture, et le
  // choix est gardé.
  for (let k = 0; k < 4; ++k) await page.locator('#cmdDuree').click();
  egal(await page.locator('#cmdDuree').getAttribute('aria-label'), 'Durée de chaque diapo : 2 s', `${ici} : durée`);
  egal((await page.locator('#cmdDuree').innerText()).trim(), '2 s', `${ici} : durée affichée`);
  egal(await page.evaluate(() => localStorage.getItem('ostrelle.duree')), '2', `${ici} : durée mémorisée`);
  await lancer.click();
  const debut = Date.now();
  verifier(await attendreCompteur(page, `3 / ${n}`, 4000), `${ici} : rien après 4 s pour une durée de 2 s`);
  const duree = Date.now() - debut;
  verifier(duree >= 1500, `${ici} : diapo changée après ${duree} ms pour une durée de 2 s`);
  await page.locator('#cmdDuree').click();
  verifier(await bouton(page, 'Mettre en pause').isVisible(), `${ici} : régler la durée arrête la lecture`);
  await bouton(page, 'Mettre en pause').click();
}

async function verifierPleinEcran(page) {
  const ici = 'plein écran';
  const possible = await page.evaluate(() => !!document.fullscreenEnabled);
  const b = bouton(page, 'Afficher en plein écran');
  if (!possible) {
    verifier(!(await b.isVisible()), `${ici} : bouton montré sans l'API`);
    return;
  }
  verifier(await b.isVisible(), `${ici} : bouton caché alors que l'API existe`);
  await b.click();
  try {
    await page.waitForFunction(() => document.fullscreenElement !== null, null, { timeout: 3000 });
  } catch {
    ecart(`${ici} : la page n'est pas passée en plein écran`);
    return;
  }
  await bouton(page, 'Quitter le plein écran').click();
  try {
    await page.waitForFunction(() => document.fullscreenElement === null, null, { timeout: 3000 });
  } catch {
    ecart(`${ici} : la page n'est pas sortie du plein écran`);
  }
  // La touche F fait de même.
  await page.locator('body').press('f');
  try {
    await page.waitForFunction(() => document.fullscreenElement !== null, null, { timeout: 3000 });
    await page.locator('body').press('F');
    await page.waitForFunction(() => document.fullscreenElement === null, null, { timeout: 3000 });
  } catch {
    ecart(`${ici} : la touche F ne bascule pas le plein écran`);
  }
}

// Contraste du texte visible de la page : commentaire (aux couleurs de l'auteur), titre, compteur
// et boutons actifs, contre la couleur de fond réellement derrière eux (fonds des ancêtres
// composés, les images de fond comptées pour rien). Rend les textes sous le seuil.
function contrastesFaibles(seuil) {
  const rvba = (texte) => {
    const v = texte.match(/[\d.]+/g).map(Number);
    return { r: v[0], v: v[1], b: v[2], a: v.length > 3 ? v[3] : 1 };
  };
  const composer = (dessus, dessous) => ({
    r: dessus.a * dessus.r + (1 - dessus.a) * dessous.r,
    v: dessus.a * dessus.v + (1 - dessus.a) * dessous.v,
    b: dessus.a * dessus.b + (1 - dessus.a) * dessous.b,
    a: 1,
  });
  const fondDerriere = (element) => {
    const chaine = [];
    for (let e = element; e; e = e.parentElement) chaine.unshift(e);
    let fond = { r: 255, v: 255, b: 255, a: 1 };
    for (const e of chaine) fond = composer(rvba(getComputedStyle(e).backgroundColor), fond);
    return fond;
  };
  const luminance = (c) => {
    const lineaire = (x) => {
      const s = x / 255;
      return s <= 0.03928 ? s / 12.92 : ((s + 0.055) / 1.055) ** 2.4;
    };
    return 0.2126 * lineaire(c.r) + 0.7152 * lineaire(c.v) + 0.0722 * lineaire(c.b);
  };
  const visible = (e) => e.getClientRects().length > 0 && getComputedStyle(e).visibility !== 'hidden';
  const porteurs = new Set();
  for (const racine of [document.getElementById('InfoTexte'), document.getElementById('Titre'),
    document.getElementById('InfoDiaporama'), ...document.querySelectorAll('nav button:not([hidden]):not([aria-disabled="true"])')]) {
    if (!racine || !visible(racine)) continue;
    const marcheur = document.createTreeWalker(racine, NodeFilter.SHOW_TEXT);
    for (let t = marcheur.nextNode(); t; t = marcheur.nextNode()) {
      if (t.textContent.replace(/\u00a0/g, ' ').trim() && visible(t.parentElement)) porteurs.add(t.parentElement);
    }
  }
  const faibles = [];
  for (const e of porteurs) {
    const fond = fondDerriere(e);
    const encre = composer(rvba(getComputedStyle(e).color), fond);
    const [clair, sombre] = [luminance(encre), luminance(fond)].sort((x, y) => y - x);
    const rapport = (clair + 0.05) / (sombre + 0.05);
    if (rapport < seuil) faibles.push(`« ${e.textContent.trim().slice(0, 30)} » ${rapport.toFixed(2)}:1`);
  }
  return faibles;
}

// La photo tient dans la fenêtre, entière et sans déformation ; rien ne déborde en largeur ;
// ni la photo, ni les boutons, ni le commentaire, ni le titre ne se recouvrent ; tout se lit.
async function verifierMiseEnPage(page, i, ici) {
  // Les couleurs et les places se mesurent une fois les transitions finies.
  await finDesFondus(page);
  await page.evaluate(() => Promise.race([Promise.all(document.getAnimations().map((a) => a.finished)),
    new Promise((fini) => setTimeout(fini, 2000))]));
  const m = await page.evaluate(() => {
    const diapo = document.getElementById('diapo');
    const image = diapo.getBoundingClientRect();
    const boutons = [...document.querySelectorAll('nav button:not([hidden])')].map((b) => b.getBoundingClientRect());
    const boite = (nom, r) => ({ nom, gauche: r.left, droite: r.right, haut: r.top, bas: r.bottom });
    const pieces = [boite('la photo', image), boite('le commentaire', document.getElementById('InfoTexte').getBoundingClientRect()),
      boite('le compteur', document.getElementById('InfoDiaporama').getBoundingClientRect())];
    const titre = document.getElementById('Titre');
    if (titre.getClientRects().length) pieces.push(boite('le titre', titre.getBoundingClientRect()));
    document.querySelectorAll('nav button:not([hidden])').forEach((b) => {
      pieces.push(boite(`le bouton « ${b.getAttribute('aria-label')} »`, b.getBoundingClientRect()));
    });
    const chevauchements = [];
    for (let a = 0; a < pieces.length; ++a) {
      for (let b = a + 1; b < pieces.length; ++b) {
        const p = pieces[a];
        const q = pieces[b];
        const l = Math.min(p.droite, q.droite) - Math.max(p.gauche, q.gauche);
        const h = Math.min(p.bas, q.bas) - Math.max(p.haut, q.haut);
        if (l > 1 && h > 1) chevauchements.push(`${p.nom} et ${q.nom}`);
      }
    }
    // Tout ce qui compte se voit sans faire défiler la page.
    const hors = pieces.filter((p) => p.haut < -0.5 || p.bas > window.innerHeight + 0.5 || p.gauche < -0.5 ||
      p.droite > document.documentElement.clientWidth + 0.5).map((p) => `${p.nom} (${Math.round(p.haut)} à ${Math.round(p.bas)})`);
    // Rien ne cache le milieu de la photo (un décor qui laisse passer le pointeur ne compte pas).
    const milieu = document.elementFromPoint((image.left + image.right) / 2, (image.top + image.bottom) / 2);
    const commentaire = document.getElementById('InfoTexte').getBoundingClientRect();
    return {
      largeurFenetre: document.documentElement.clientWidth,
      hauteurFenetre: window.innerHeight,
      debord: document.documentElement.scrollWidth - document.documentElement.clientWidth,
      image: { gauche: image.left, droite: image.right, haut: image.top + window.scrollY, bas: image.bottom + window.scrollY, l: image.width, h: image.height },
      boutons: boutons.map((b) => ({ droite: b.right, gauche: b.left, h: b.height })),
      titre: document.getElementById('Titre').getBoundingClientRect().height,
      chevauchements,
      hors,
      defilement: document.documentElement.scrollHeight - window.innerHeight,
      photoCachee: milieu === diapo ? null : (milieu ? milieu.outerHTML.slice(0, 80) : 'rien'),
      commentaire: { gauche: commentaire.left, droite: commentaire.right, l: commentaire.width },
    };
  });
  const faibles = await page.evaluate(contrastesFaibles, 4.5);
  const d = attendu.diapos[i];
  verifier(m.debord <= 0, `${ici} : la page déborde en largeur de ${m.debord} px`);
  verifier(m.image.gauche >= 0 && m.image.droite <= m.largeurFenetre + 0.5,
    `${ici} : l'image sort de la fenêtre en largeur (${m.image.gauche} à ${m.image.droite})`);
  verifier(m.image.bas <= m.hauteurFenetre + 0.5, `${ici} : l'image dépasse le bas de l'écran (${m.image.bas} > ${m.hauteurFenetre})`);
  verifier(m.image.l > 0 && Math.abs(m.image.l / m.image.h - d.largeur / d.hauteur) < 0.02,
    `${ici} : image déformée (${m.image.l} x ${m.image.h} pour ${d.largeur} x ${d.hauteur})`);
  // Une petite image n'est pas agrandie, une grande est réduite à l'écran.
  verifier(m.image.l <= d.largeur + 0.5, `${ici} : image agrandie au-delà de sa taille`);
  verifier(m.image.l >= Math.min(d.largeur, m.largeurFenetre * 0.5) || m.image.h >= m.hauteurFenetre * 0.45,
    `${ici} : image bien trop petite (${m.image.l} x ${m.image.h})`);
  for (const b of m.boutons) {
    verifier(b.gauche >= 0 && b.droite <= m.largeurFenetre + 0.5, `${ici} : un bouton sort de l'écran`);
    verifier(b.h >= 40, `${ici} : bouton trop petit pour le doigt (${b.h} px)`);
  }
  verifier(m.titre > 0, `${ici} : titre invisible`);
  verifier(m.hors.length === 0, `${ici} : hors de la fenêtre sans défiler : ${m.hors.join(' ; ')}`);
  verifier(m.defilement <= 0, `${ici} : la page défile de ${m.defilement} px`);
  verifier(m.chevauchements.length === 0, `${ici} : se recouvrent : ${m.chevauchements.join(' ; ')}`);
  verifier(m.photoCachee === null, `${ici} : la photo est cachée en son milieu par ${m.photoCachee}`);
  verifier(m.commentaire.l > 0 && m.commentaire.gauche >= 0 && m.commentaire.droite <= m.largeurFenetre + 0.5,
    `${ici} : le commentaire sort de l'écran (${m.commentaire.gauche} à ${m.commentaire.droite})`);
  verifier(faibles.length === 0, `${ici} : texte peu lisible sur son fond : ${faibles.join(' ; ')}`);
}

async function capturer(page, nom) {
  if (!captures) return;
  mkdirSync(captures, { recursive: true });
  await page.screenshot({ path: join(captures, `${attendu.nom}-${nom}.png`), fullPage: true });
}

// Glissements du doigt, par de vrais évènements tactiles.
async function glisser(page, cdp, x1, y1, x2, y2) {
  const etapes = 6;
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [{ x: x1, y: y1 }] });
  for (let k = 1; k <= etapes; ++k) {
    await cdp.send('Input.dispatchTouchEvent', {
      type: 'touchMove',
      touchPoints: [{ x: x1 + ((x2 - x1) * k) / etapes, y: y1 + ((y2 - y1) * k) / etapes }],
    });
  }
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
  await page.waitForTimeout(100);
}

// Au doigt : glissements, lecture mise en pause par un glissement, vue d'ensemble au toucher.
// Un doigt posé un instant au milieu de l'élément. Deux touchers trop rapprochés feraient un
// double toucher, et un toucher dans l'élan d'un glissement ne fait que l'arrêter : on laisse
// passer le temps d'un vrai doigt.
async function toucher(page, cdp, locator) {
  await locator.scrollIntoViewIfNeeded();
  const b = await locator.boundingBox();
  const point = { x: b.x + b.width / 2, y: b.y + b.height / 2 };
  await page.waitForTimeout(400);
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [point] });
  await page.waitForTimeout(60);
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
}

async function verifierTelephone(navigateur) {
  const ici = 'téléphone 390 x 844';
  const contexte = await nouveauContexte(navigateur, {
    viewport: { width: 390, height: 844 }, deviceScaleFactor: 2, isMobile: true, hasTouch: true,
  });
  const { page, journal } = await ouvrir(contexte);
  await verifierDiapo(page, 0, ici);
  const cdp = await contexte.newCDPSession(page);
  // La vue d'ensemble au doigt : ouverte, une vignette touchée, fermée par sa croix.
  const ensemble = page.locator('#Ensemble');
  await toucher(page, cdp, bouton(page, "Vue d'ensemble"));
  verifier(await devient(ensemble), `${ici} : vue d'ensemble non ouverte au doigt`);
  await toucher(page, cdp, page.locator(`.vignette[data-diapo="${n - 1}"]`));
  await verifierDiapo(page, n - 1, `${ici}, vignette touchée`);
  verifier(await devient(ensemble, 'hidden'), `${ici} : vue d'ensemble restée ouverte après le choix`);
  await toucher(page, cdp, bouton(page, "Vue d'ensemble"));
  await devient(ensemble);
  await toucher(page, cdp, bouton(page, "Fermer la vue d'ensemble"));
  verifier(await devient(ensemble, 'hidden'), `${ici} : la croix ne ferme pas la vue d'ensemble`);
  egal(await compteur(page), `${n} / ${n}`, `${ici} : fermer la vue d'ensemble change de diapo`);
  await toucher(page, cdp, bouton(page, 'Première diapo'));
  await verifierDiapo(page, 0, ici);
  // Glissements : un franc vers la gauche avance, un vertical ne fait rien, vers la droite recule.
  // Pendant la lecture, un glissement la met en pause.
  if (attendu.lecture) {
    await toucher(page, cdp, bouton(page, 'Lancer la lecture automatique'));
    verifier(await devient(bouton(page, 'Mettre en pause')), `${ici} : la lecture ne démarre pas au doigt`);
  }
  const boite = await page.locator('#diapo').boundingBox();
  const cx = boite.x + boite.width / 2;
  const cy = boite.y + boite.height / 2;
  await glisser(page, cdp, cx + 120, cy, cx - 120, cy + 10);
  await verifierDiapo(page, 1, `${ici}, glissement vers la gauche`);
  if (attendu.lecture) {
    verifier(await devient(bouton(page, 'Lancer la lecture automatique')), `${ici} : pas en pause après un glissement`);
  }
  await glisser(page, cdp, cx, cy - 100, cx + 15, cy + 100);
  egal(await compteur(page), `2 / ${n}`, `${ici} : un glissement vertical ne change pas de diapo`);
  await glisser(page, cdp, cx - 120, cy, cx + 120, cy);
  await verifierDiapo(page, 0, `${ici}, glissement vers la droite`);
  await contexte.close();
  return journal;
}

// Un long commentaire, pour voir qu'il défile dans sa carte sans pousser le reste.
const LongCommentaire = '<font color="#000000">' +
  'Une journ&eacute;e enti&egrave;re racont&eacute;e au fil de l\'eau, '.repeat(150) + '</font>';

// Chaque taille d'écran : photo, commentaire, compteur et commandes visibles sans défiler, rien
// ne bouge d'une diapo à l'autre, et la vue d'ensemble ouverte pour la capture.
const Tailles = [[360, 640, true], [390, 844, true], [844, 390, true], [1366, 768, false],
  [1920, 1080, false], [3840, 2160, false]];

async function verifierTailles(navigateur) {
  const journaux = { erreurs: [], requetes: [], horsFichier: [] };
  for (const [largeur, hauteur, doigt] of Tailles) {
    const ici = `écran ${largeur} x ${hauteur}`;
    const contexte = await nouveauContexte(navigateur, {
      viewport: { width: largeur, height: hauteur }, isMobile: doigt, hasTouch: doigt,
    });
    const { page, journal } = await ouvrir(contexte);
    for (let i = 0; i < n; ++i) {
      await page.evaluate((k) => Afficher(k), i);
      await verifierDiapo(page, i, ici);
      await verifierMiseEnPage(page, i, `${ici}, diapo ${i}`);
      await capturer(page, `${largeur}x${hauteur}-${i}`);
    }
    // Le long commentaire défile dans sa carte, qui reste à sa place.
    await page.evaluate((texte) => { Info[0] = texte; Afficher(1); Afficher(0); }, LongCommentaire);
    await finDesFondus(page);
    const carte = await page.evaluate(() => {
      const e = document.getElementById('InfoTexte');
      const r = e.getBoundingClientRect();
      return { bas: r.bottom, haut: r.top, defile: e.scrollHeight > e.clientHeight + 1,
        style: getComputedStyle(e).overflowY, page: document.documentElement.scrollHeight - window.innerHeight };
    });
    verifier(carte.defile && /auto|scroll/.test(carte.style), `${ici} : le long commentaire ne défile pas dans sa carte`);
    verifier(carte.haut >= 0 && carte.bas <= hauteur + 0.5 && carte.page <= 0,
      `${ici} : le long commentaire sort de l'écran (${carte.haut} à ${carte.bas}, page ${carte.page})`);
    await page.evaluate(() => { document.getElementById('InfoTexte').scrollTop = 1e6; });
    verifier(await page.evaluate(() => window.scrollY === 0), `${ici} : défiler le commentaire fait défiler la page`);
    // Une carte qui défile se prend au clavier (axe le vérifie).
    if (largeur === Tailles[0][0]) await verifierAxe(page, `${ici}, long commentaire`);
    // Dix changements de diapo au clavier : aucun décalage de mise en page, geste ou pas.
    await page.evaluate(() => { window.__decalages = 0; document.activeElement && document.activeElement.blur(); });
    for (let k = 0; k < 10; ++k) {
      await page.keyboard.press(k % 4 < 2 ? 'ArrowRight' : 'ArrowLeft');
      await finDesFondus(page);
      await page.waitForTimeout(60);
    }
    const decalages = await page.evaluate(() => window.__decalages);
    verifier(decalages === 0, `${ici} : décalage de mise en page de ${decalages.toFixed(4)} sur dix changements`);
    if (captures) {
      await page.keyboard.press('g');
      await page.waitForTimeout(300);
      await capturer(page, `${largeur}x${hauteur}-ensemble`);
    }
    await contexte.close();
    for (const cle of ['erreurs', 'requetes', 'horsFichier']) journaux[cle].push(...journal[cle]);
  }
  return journaux;
}

// La vue d'ensemble à la souris et au clavier ; aucune faute d'accessibilité, ouverte ou fermée.
async function verifierEnsemble(navigateur) {
  const ici = "vue d'ensemble";
  const contexte = await nouveauContexte(navigateur, { viewport: { width: 1366, height: 768 } });
  const { page, journal } = await ouvrir(contexte);
  await verifierDiapo(page, 0, ici);
  await verifierAxe(page, `${ici} fermée`);
  const ensemble = page.locator('#Ensemble');
  // Souris : ouverte par son bouton, la diapo montrée marquée, une vignette cliquée y mène.
  await bouton(page, "Vue d'ensemble").click();
  verifier(await ensemble.isVisible(), `${ici} : non ouverte par son bouton`);
  const marquees = await page.evaluate(() => [...document.querySelectorAll('.vignette[aria-current="true"]')]
    .map((v) => v.getAttribute('data-diapo')));
  egal(marquees, ['0'], `${ici} : diapo montrée marquée`);
  egal(await page.evaluate(() => document.querySelectorAll('.vignette').length), n, `${ici} : nombre de vignettes`);
  await verifierAxe(page, `${ici} ouverte`);
  await page.locator(`.vignette[data-diapo="${n - 1}"]`).click();
  await verifierDiapo(page, n - 1, `${ici}, vignette cliquée`);
  verifier(!(await ensemble.isVisible()), `${ici} : restée ouverte après un clic sur une vignette`);
  egal(await page.evaluate(() => document.activeElement && document.activeElement.id), 'cmdEnsemble',
    `${ici} : le focus ne revient pas au bouton`);
  // Clavier : G ouvre sur la diapo montrée, les flèches parcourent, Entrée choisit.
  await page.evaluate(() => document.activeElement.blur());
  await page.keyboard.press('g');
  verifier(await ensemble.isVisible(), `${ici} : la touche G ne l'ouvre pas`);
  egal(await page.evaluate(() => document.activeElement.getAttribute('data-diapo')), String(n - 1),
    `${ici} : le focus n'est pas sur la diapo montrée`);
  await page.keyboard.press('Home');
  await page.keyboard.press('ArrowRight');
  egal(await compteur(page), `${n} / ${n}`, `${ici} : les flèches changent la diapo derrière la vue d'ensemble`);
  await page.keyboard.press('Enter');
  await verifierDiapo(page, 1, `${ici}, Entrée sur une vignette`);
  verifier(!(await ensemble.isVisible()), `${ici} : restée ouverte après Entrée`);
  // Échap ferme sans rien changer.
  await page.keyboard.press('g');
  await page.keyboard.press('ArrowRight');
  await page.keyboard.press('Escape');
  verifier(!(await ensemble.isVisible()), `${ici} : Échap ne la ferme pas`);
  egal(await compteur(page), `2 / ${n}`, `${ici} : Échap change de diapo`);
  await contexte.close();
  return journal;
}

// axe-core, injecté dans la page : aucune faute.
async function verifierAxe(page, ici) {
  await page.evaluate(axeSource);
  const fautes = await page.evaluate(async () => {
    const r = await axe.run(document, { resultTypes: ['violations'] });
    return r.violations.map((v) => `${v.id} (${v.nodes.map((x) => x.target.join(' ')).join(', ')})`);
  });
  verifier(fautes.length === 0, `${ici} : axe : ${fautes.join(' ; ')}`);
}

// Sans mouvement demandé par le système : aucun fondu, aucune animation au changement.
async function verifierMouvementReduit(navigateur) {
  const ici = 'mouvement réduit';
  const contexte = await nouveauContexte(navigateur, { viewport: { width: 1280, height: 800 }, reducedMotion: 'reduce' });
  const { page, journal } = await ouvrir(contexte);
  await verifierDiapo(page, 0, ici);
  await bouton(page, 'Diapo suivante').click();
  const animations = await page.evaluate(() => document.getAnimations().length);
  await verifierDiapo(page, 1, ici);
  egal(await page.evaluate(() => window.__fondus.length), 0, `${ici} : fondus`);
  egal(animations, 0, `${ici} : animations au changement`);
  await contexte.close();
  return journal;
}

// Un long diaporama ouvert sur sa vingtième diapo : en taille réelle, seules elle et ses
// voisines sont demandées (et la première, que la page nomme à l'ouverture) ; la vue d'ensemble ne
// charge que les vignettes proches de la partie visible, puis les suivantes quand on y descend.
async function verifierLong(navigateur) {
  const ici = 'long diaporama';
  const contexte = await nouveauContexte(navigateur, { viewport: { width: 390, height: 844 } });
  const page = await contexte.newPage();
  page.setDefaultTimeout(5000);
  const journal = { erreurs: [], requetes: [], horsFichier: contexte.horsFichier };
  surveiller(page, journal);
  await page.goto(`${adresse}#20`, { waitUntil: 'load' });
  await verifierDiapo(page, 19, ici);
  await page.waitForTimeout(1500);
  const nom = (u) => decodeURIComponent(new URL(u).pathname.split('/').pop());
  const images = () => new Set(journal.requetes.map(nom).filter((f) => /\.(jpe?g|gif)$/i.test(f) && !/^imgFond/.test(f)));
  const permises = new Set([0, 18, 19, 20].map((i) => attendu.diapos[i].image));
  const entrop = [...images()].filter((f) => !permises.has(f));
  verifier(entrop.length === 0, `${ici} : images chargées d'avance sans être voisines : ${entrop.join(', ')}`);
  await page.keyboard.press('g');
  await page.waitForTimeout(1000);
  const vignettes = await page.evaluate(() => [...document.querySelectorAll('.vignette img')].filter((i) => i.getAttribute('src')).length);
  verifier(vignettes > 0 && vignettes < n, `${ici} : ${vignettes} vignettes chargées sur ${n} à l'ouverture`);
  verifier(images().size < n, `${ici} : toutes les images chargées par la vue d'ensemble`);
  // Les flèches descendent d'une ligne entière.
  const colonnes = await page.evaluate(() => {
    const v = [...document.querySelectorAll('.vignette')];
    return v.filter((x) => x.offsetTop === v[0].offsetTop).length;
  });
  await page.keyboard.press('ArrowDown');
  egal(await page.evaluate(() => document.activeElement.getAttribute('data-diapo')), String(19 + colonnes),
    `${ici} : flèche vers le bas dans la vue d'ensemble`);
  await page.keyboard.press('End');
  await page.waitForFunction((k) => {
    const image = document.querySelector(`.vignette[data-diapo="${k}"] img`);
    return image.getAttribute('src') && image.complete && image.naturalWidth > 0;
  }, n - 1, { timeout: 5000 }).catch(() => ecart(`${ici} : la dernière vignette ne se charge pas quand on y descend`));
  await page.keyboard.press('Enter');
  await verifierDiapo(page, n - 1, `${ici}, dernière vignette`);
  await contexte.close();
  return journal;
}

// Le lecteur (page et script, sans les images) reste léger : 20 ko compressés au plus.
function verifierPoids() {
  const page = readFileSync(cheminPage);
  const script = readFileSync(join(dirname(cheminPage), /src="([^"]+\.js)"/.exec(page.toString('latin1'))[1]));
  const poids = gzipSync(page, { level: 9 }).length + gzipSync(script, { level: 9 }).length;
  console.log(`poids du lecteur : ${poids} octets compressés (page ${page.length}, script ${script.length})`);
  verifier(poids <= 20 * 1024, `poids : ${poids} octets compressés, plus de 20 ko`);
}

// Sans diapo (NBSprite = -1) : ni exception ni « undefined », et les commandes ne font rien.
async function verifierVide(navigateur) {
  const contexte = await nouveauContexte(navigateur, { viewport: { width: 1280, height: 800 } });
  const { page, journal } = await ouvrir(contexte);
  await page.waitForTimeout(200);
  egal(await page.locator('#Titre').innerText(), attendu.titre, 'vide : titre');
  egal(await compteur(page), '0 / 0', 'vide : compteur');
  verifier(!(await page.locator('#diapo').isVisible()), 'vide : une image est montrée');
  const texte = await page.locator('#InfoTexte').innerText();
  verifier(!/undefined/.test(texte), `vide : le commentaire montre « ${texte} »`);
  await page.evaluate(() => document.activeElement && document.activeElement.blur());
  for (const touche of ['ArrowRight', 'End', 'Space', 'Home', 'ArrowLeft']) await page.keyboard.press(touche);
  for (const nom of ['Première diapo', 'Diapo précédente', 'Diapo suivante', 'Dernière diapo',
    'Lancer la lecture automatique']) await bouton(page, nom).click({ force: true });
  egal(await compteur(page), '0 / 0', 'vide : compteur après les commandes');
  await capturer(page, 'ecran');
  await contexte.close();
  return journal;
}

async function verifierParcours(navigateur) {
  const contexte = await nouveauContexte(navigateur, { viewport: { width: 1280, height: 800 } });
  const { page, journal } = await ouvrir(contexte);
  egal(await page.locator('#Titre').innerText(), attendu.titre, 'titre');
  egal(await page.title(), attendu.titre, 'titre de la fenêtre');
  await verifierDiapo(page, 0, 'ouverture');
  await verifierPrechargement(page, journal);
  await verifierSon(page);
  await verifierBoutons(page);
  await verifierClavier(page);
  if (attendu.lecture) await verifierLecture(page);
  await verifierPleinEcran(page);
  // Les changements de diapo se font en fondu, et jamais vers une image pas encore décodée.
  verifier(await page.evaluate(() => window.__fondus.length) > 0, 'fondu : aucun entre les diapos');
  egal(await page.evaluate(() => window.__poseesNonDecodees), 0, 'fondu : images posées avant d\'être décodées');
  await contexte.close();
  return journal;
}

function bilanJournal(journal, ici) {
  for (const e of journal.erreurs) ecart(`${ici} : ${e}`);
  const autres = journal.requetes.filter((u) => !u.startsWith('file:') && !u.startsWith('data:'));
  for (const u of new Set([...autres, ...journal.horsFichier])) {
    ecart(`${ici} : requête hors du disque ${u}`);
  }
}

const navigateur = await chromium.launch({
  executablePath: '/usr/bin/chromium',
  args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-background-networking',
    '--disable-component-update', '--disable-sync', '--no-first-run'],
});
try {
  const parcours = n === 0
    ? [['diaporama vide', verifierVide]]
    : attendu.long ? [['long diaporama', verifierLong]]
    : [['parcours', verifierParcours], ['adresse', verifierAdresse], ['téléphone', verifierTelephone],
      ['tailles', verifierTailles], ["vue d'ensemble", verifierEnsemble], ['mouvement réduit', verifierMouvementReduit]];
  verifierPoids();
  for (const [ici, fonction] of parcours) {
    const debut = Date.now();
    const journal = await fonction(navigateur);
    console.log(`${ici} : ${((Date.now() - debut) / 1000).toFixed(1)} s`);
    bilanJournal(journal, ici);
  }
} catch (e) {
  ecart(`arrêt imprévu : ${e.stack || e}`);
} finally {
  await navigateur.close();
}

if (ecarts.length) {
  console.log(`${attendu.nom} : ${ecarts.length} écart(s)`);
  process.exit(1);
}
console.log(`${attendu.nom} : page conforme`);
