// Ouvre une page de diaporama générée dans Firefox ESR sans tête (playwright-core, par WebDriver
// BiDi) : la page se charge sans erreur, la première photo est là, la flèche droite mène à la
// deuxième, et une capture d'écran est prise.
// Usage : node fumee_firefox.mjs <page.htm> <attendu.json> <bilan.json>
// attendu.json : { nom, diapos: [{ image, largeur }] }
// bilan.json, écrit quand tout est conforme : { capture, photo: { x, y, largeur, hauteur },
// fenetre: { largeur, hauteur } }, en pixels de la capture ; la photo est la deuxième diapo.
// Avec OSTRELLE_CAPTURES=<dossier>, la capture y est déposée ; sinon à côté de la page.
// Code de sortie 0 : tout est conforme ; 1 : au moins un écart, décrit sur la sortie.

import { firefox } from 'playwright-core';
import { readFileSync, writeFileSync, mkdirSync } from 'node:fs';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';

const Firefox = '/usr/bin/firefox-esr';
const DelaiTotal = 90000;

const [cheminPage, cheminAttendu, cheminBilan] = process.argv.slice(2);
if (!cheminPage || !cheminAttendu || !cheminBilan) {
  console.error('usage : node fumee_firefox.mjs <page.htm> <attendu.json> <bilan.json>');
  process.exit(2);
}
const attendu = JSON.parse(readFileSync(cheminAttendu, 'utf8'));
const adresse = pathToFileURL(cheminPage).href;
const n = attendu.diapos.length;
const captures = process.env.OSTRELLE_CAPTURES || '';
const ecarts = [];
const erreurs = [];
const horsDisque = new Set();

function ecart(message) {
  ecarts.push(message);
  console.log(`ÉCART : ${message}`);
}

function egal(obtenu, voulu, quoi) {
  if (JSON.stringify(obtenu) !== JSON.stringify(voulu))
    ecart(`${quoi} : obtenu ${JSON.stringify(obtenu)}, attendu ${JSON.stringify(voulu)}`);
}

// Rien ne doit rester bloqué : passé le délai, le navigateur est abandonné (playwright le ferme
// en quittant).
const garde = setTimeout(() => {
  console.log(`ÉCART : ${attendu.nom} : pas fini en ${DelaiTotal / 1000} s, abandon`);
  process.exit(1);
}, DelaiTotal);

// Une promesse qui ne répond pas dans le délai devient une erreur qui dit ce qu'on attendait.
function avant(promesse, delai, quoi) {
  let minuteur;
  const trop = new Promise((_, refus) => {
    minuteur = setTimeout(() => refus(new Error(`${quoi} : pas de réponse en ${delai / 1000} s`)), delai);
  });
  return Promise.race([promesse, trop]).finally(() => clearTimeout(minuteur));
}

// Tout ce que la page fait d'anormal est retenu ; les avertissements sont seulement montrés.
function surveiller(page) {
  page.on('console', (m) => {
    if (m.type() === 'error') erreurs.push(`console : ${m.text()}`);
    else if (m.type() === 'warning') console.log(`avertissement de Firefox : ${m.text()}`);
  });
  page.on('pageerror', (e) => erreurs.push(`exception : ${e.message}`));
  page.on('crash', () => erreurs.push('la page a planté'));
  page.on('request', (r) => {
    if (!/^(file|data|blob|about):/.test(r.url())) horsDisque.add(r.url());
  });
  page.on('requestfailed', (r) => erreurs.push(`échec de chargement : ${r.url()}`));
}

async function etatImage(page) {
  return page.evaluate(() => {
    const e = document.getElementById('diapo');
    return e && { src: e.getAttribute('src'), complete: e.complete, largeur: e.naturalWidth };
  });
}

async function compteur(page) {
  return page.evaluate(() => {
    const e = document.getElementById('InfoDiaporama');
    return e && e.textContent.trim();
  });
}

// La diapo i est montrée : son compteur, et sa photo réellement décodée.
async function attendreDiapo(page, i, ici) {
  const d = attendu.diapos[i];
  try {
    await page.waitForFunction(([nom, voulu]) => {
      const e = document.getElementById('diapo');
      const c = document.getElementById('InfoDiaporama');
      return e && c && c.textContent.trim() === voulu && e.getAttribute('src') === nom &&
        e.complete && e.naturalWidth > 0;
    }, [d.image, `${i + 1} / ${n}`], { timeout: 8000 });
  } catch {
    // Le détail de ce qui manque est dit plus bas.
  }
  egal(await compteur(page), `${i + 1} / ${n}`, `${ici} : compteur`);
  const image = await etatImage(page);
  if (!image || image.src !== d.image || !image.complete || image.largeur === 0)
    ecart(`${ici} : photo non chargée ou autre photo (${JSON.stringify(image)}, attendu ${d.image})`);
  else egal(image.largeur, d.largeur, `${ici} : largeur naturelle de ${d.image}`);
}

async function parcourir(navigateur) {
  const contexte = await navigateur.newContext({ viewport: { width: 1280, height: 800 } });
  // Rien ne doit sortir de la machine : tout ce qui n'est pas un fichier est refusé et noté.
  await contexte.route(/^(https?|wss?|ftp):/, (route) => {
    horsDisque.add(route.request().url());
    return route.abort();
  });
  const page = await contexte.newPage();
  page.setDefaultTimeout(10000);
  surveiller(page);
  await page.goto(adresse, { waitUntil: 'load', timeout: 15000 });
  await attendreDiapo(page, 0, 'ouverture');

  // La flèche droite, sans rien qui ait le focus : la page seule la reçoit.
  await page.evaluate(() => document.activeElement && document.activeElement.blur());
  await page.keyboard.press('ArrowRight');
  await attendreDiapo(page, 1, 'flèche droite');

  // La capture se prend une fois les transitions finies, la page en haut.
  await page.evaluate(() => Promise.race([Promise.all(document.getAnimations().map((a) => a.finished)),
    new Promise((fini) => setTimeout(fini, 3000))]));
  await page.evaluate(() => window.scrollTo(0, 0));
  const mesure = await page.evaluate(() => {
    const r = document.getElementById('diapo').getBoundingClientRect();
    return {
      echelle: window.devicePixelRatio,
      photo: { x: r.left, y: r.top, largeur: r.width, hauteur: r.height },
      fenetre: { largeur: window.innerWidth, hauteur: window.innerHeight },
    };
  });
  let capture = `${cheminPage}.firefox.png`;
  if (captures) {
    mkdirSync(captures, { recursive: true });
    capture = join(captures, `${attendu.nom}-firefox.png`);
  }
  await page.screenshot({ path: capture, timeout: 15000 });
  // Une erreur tardive de la page arrive encore par le protocole : elle a le temps d'être vue.
  await page.waitForTimeout(300);
  await avant(contexte.close(), 15000, 'fermeture de la page');

  const e = mesure.echelle;
  const pixels = (r) => Object.fromEntries(Object.entries(r).map(([k, v]) => [k, v * e]));
  return { capture, photo: pixels(mesure.photo), fenetre: pixels(mesure.fenetre) };
}

let navigateur = null;
let bilan = null;
try {
  navigateur = await firefox.launch({
    channel: 'moz-firefox',
    executablePath: Firefox,
    headless: true,
    timeout: 30000,
    // Aucun accès au réseau, même pour les services de Firefox lui-même : tout passe par un
    // mandataire sur le port 9 de la machine, que Firefox refuse d'emblée.
    firefoxUserPrefs: {
      'network.proxy.type': 1,
      'network.proxy.http': '127.0.0.1',
      'network.proxy.http_port': 9,
      'network.proxy.ssl': '127.0.0.1',
      'network.proxy.ssl_port': 9,
      'network.proxy.socks': '127.0.0.1',
      'network.proxy.socks_port': 9,
      'network.proxy.share_proxy_settings': true,
      'network.proxy.no_proxies_on': '',
      'network.captive-portal-service.enabled': false,
      'network.dns.disablePrefetch': true,
    },
  });
} catch (e) {
  ecart(`Firefox ne démarre pas par WebDriver BiDi (${Firefox}) : ${e.message}`);
}
if (navigateur) {
  console.log(`Firefox ${navigateur.version()}`);
  try {
    bilan = await parcourir(navigateur);
  } catch (e) {
    ecart(`arrêt imprévu : ${e.stack || e}`);
  } finally {
    await avant(navigateur.close(), 15000, 'fermeture de Firefox').catch((e) => ecart(e.message));
  }
}
clearTimeout(garde);

for (const e of erreurs) ecart(e);
for (const u of horsDisque) ecart(`requête hors du disque ${u}`);
if (ecarts.length) {
  console.log(`${attendu.nom} : ${ecarts.length} écart(s) dans Firefox`);
  process.exit(1);
}
writeFileSync(cheminBilan, JSON.stringify(bilan, null, 2));
console.log(`${attendu.nom} : page conforme dans Firefox, capture ${bilan.capture}`);
