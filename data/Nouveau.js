// Diaporama Ostrelle 2.1 : donnees du projet puis navigation.
// Ostrelle reecrit les lignes 7 a 10 et 13 a 16 : ne rien ajouter ni retirer avant.
var Info = new Array();
var TypeImage = new Array();
var Courante = 0;
var Son = null;
var RepImage="Nouveau";
var NBSprite=0;
Info[0]="&nbsp;Bienvenue !<br>";
TypeImage[0]=".gif";
// Premiere diapo, compteur, commentaire et titre, des que la page est prete.
function Demarrer() {
document.getElementById("diapo").src="Nouveau0.gif";
document.getElementById("InfoDiaporama").innerHTML="1 / 1";
document.getElementById("InfoTexte").innerHTML=Info[0];
document.getElementById("Titre").innerHTML="Mon diaporama";
  Courante = 0;
  var titre = document.getElementById("Titre");
  var texteTitre = titre.textContent.replace(/\s+/g, " ").trim();
  if (texteTitre) document.title = texteTitre;
  else (titre.closest("header") || titre).hidden = true;
  if (NBSprite < 0) MontrerDiaporamaVide();
  // Le commentaire de la nouvelle diapo est lu par les lecteurs d'ecran, comme le compteur.
  Element("InfoTexte").setAttribute("aria-live", "polite");
  Element("diapo").addEventListener("load", ImageChargee);
  Element("diapo").addEventListener("error", ImageAbsente);
  PreparerCommandes();
  MajCommandes();
  Precharger(1);
  // L'adresse de la page dit quelle diapo montrer : un lien vers une diapo, un rechargement.
  AllerALAdresse();
  window.addEventListener("hashchange", AllerALAdresse);
}

// Utilitaires
// -----------

function Element(id) {
  return document.getElementById(id);
}

// Un modele de page peut se passer des boutons facultatifs : tout est verifie.
function Avec(id, action) {
  var e = Element(id);
  if (e) action(e);
}

// Le stockage local peut etre refuse pour une page ouverte depuis le disque.
function LireReglage(cle) {
  try {
    return window.localStorage ? window.localStorage.getItem(cle) : null;
  } catch (e) {
    return null;
  }
}

function EcrireReglage(cle, valeur) {
  try {
    if (window.localStorage) window.localStorage.setItem(cle, valeur);
  } catch (e) {
  }
}

// Navigation
// ----------

// NBSprite est l'indice de la derniere diapo : -1 pour un diaporama vide.
function Afficher(i) {
  if (NBSprite < 0) return;
  if (i < 0) i = 0;
  if (i > NBSprite) i = NBSprite;
  if (i == Courante) return;
  Courante = i;
  NoterAdresse(i);
  document.getElementById("diapo").src = RepImage + i + TypeImage[i];
  document.getElementById("InfoDiaporama").innerHTML = (i + 1) + " / " + (NBSprite + 1);
  document.getElementById("InfoTexte").innerHTML = Info[i];
  MajCommandes();
  Precharger(i + 1);
  Precharger(i - 1);
  JouerSon();
}

// Adresse d'une diapo
// ------------------

// "#3" : la troisieme diapo, comptee comme le compteur de la page. Un numero faux ou hors du
// diaporama vaut la premiere.
function NumeroDeLAdresse() {
  var m = /^#(\d{1,4})$/.exec(window.location.hash);
  var n = m ? parseInt(m[1], 10) : 0;
  return n >= 1 && n <= NBSprite + 1 ? n - 1 : 0;
}

function AllerALAdresse() {
  if (NBSprite < 0) return;
  Afficher(NumeroDeLAdresse());
  NoterAdresse(Courante);
}

// L'adresse suit la diapo montree sans ajouter une page a l'historique par diapo.
function NoterAdresse(i) {
  var voulue = "#" + (i + 1);
  if (window.location.hash == voulue) return;
  try {
    window.history.replaceState(window.history.state, "", voulue);
  } catch (e) {
  }
}

// Le texte de remplacement de l'image : celui de son commentaire, sinon sa place.
function DecrireImage(i) {
  var lecteur = document.createElement("div");
  // Un saut de ligne ou un paragraphe du commentaire separe deux mots.
  lecteur.innerHTML = (Info[i] || "").replace(/<br\s*\/?>|<\/(p|div|li)>/gi, " ");
  var texte = (lecteur.textContent || "").replace(/\s+/g, " ").trim();
  Element("diapo").alt = texte || "Diapositive " + (i + 1) + " sur " + (NBSprite + 1);
}

// Le visiteur qui prend la main arrete la lecture automatique : elle reste en pause, et le dit.
function Naviguer(i) {
  if (Minuterie != null) ArreterLecture();
  Afficher(i);
}

function Premiere() { Naviguer(0); }
function Precedente() { Naviguer(Courante - 1); }
function Suivante() { Naviguer(Courante + 1); }
function Derniere() { Naviguer(NBSprite); }

// Un clic ou une touche ailleurs que sur le bouton de lecture met aussi en pause.
function PrendreLaMain(e) {
  if (Minuterie == null) return;
  var cible = e.target;
  if (cible && cible.closest && cible.closest("#cmdLecture")) return;
  ArreterLecture();
}

function MontrerDiaporamaVide() {
  var diapo = Element("diapo");
  diapo.removeAttribute("src");
  (diapo.closest("figure") || diapo).hidden = true;
  document.body.classList.add("vide");
  Element("InfoDiaporama").textContent = "0 / 0";
  Element("InfoTexte").textContent = "Ce diaporama ne contient encore aucune diapositive.";
}

// Boutons sans effet a une extremite : grises, mais gardent le focus du clavier.
function MajCommandes() {
  var vide = NBSprite < 0;
  Griser("cmdPremiere", vide || Courante == 0);
  Griser("cmdPrecedente", vide || Courante == 0);
  Griser("cmdSuivante", vide || Courante >= NBSprite);
  Griser("cmdDerniere", vide || Courante >= NBSprite);
  Griser("cmdLecture", NBSprite < 1);
  if (!vide) DecrireImage(Courante);
}

function Griser(id, grise) {
  Avec(id, function (bouton) {
    if (grise) bouton.setAttribute("aria-disabled", "true");
    else bouton.removeAttribute("aria-disabled");
  });
}

function ImageChargee() {
  Element("diapo").classList.remove("absente");
}

function ImageAbsente() {
  if (Element("diapo").getAttribute("src")) Element("diapo").classList.add("absente");
}

// L'image suivante est chargee d'avance : le pas en avant est immediat.
var Prechargees = {};
function Precharger(i) {
  if (i < 0 || i > NBSprite || Prechargees[i]) return;
  var image = new Image();
  image.src = RepImage + i + TypeImage[i];
  Prechargees[i] = image;
}

// Lecture automatique
// -------------------

var Minuterie = null;
var DelaiLecture = 4000;

function BasculerLecture() {
  if (Minuterie != null) ArreterLecture();
  else if (NBSprite >= 1) LancerLecture();
}

function LancerLecture() {
  PlanifierSuivante();
  MajLecture();
}

function ArreterLecture() {
  clearTimeout(Minuterie);
  Minuterie = null;
  MajLecture();
}

function PlanifierSuivante() {
  clearTimeout(Minuterie);
  Minuterie = setTimeout(Avancer, DelaiLecture);
}

// En lecture, apres la derniere diapo on repart de la premiere.
function Avancer() {
  Minuterie = null;
  Afficher(Courante < NBSprite ? Courante + 1 : 0);
  PlanifierSuivante();
}

function MajLecture() {
  var enCours = Minuterie != null;
  Avec("cmdLecture", function (bouton) {
    bouton.setAttribute("aria-label", enCours ? "Mettre en pause" : "Lancer la lecture automatique");
    bouton.title = bouton.getAttribute("aria-label");
    bouton.classList.toggle("en-cours", enCours);
    Avec("txtLecture", function (t) { t.textContent = enCours ? "Pause" : "Lecture"; });
  });
  // Un compteur qui change toutes les quatre secondes ne doit pas couper la parole.
  Element("InfoDiaporama").setAttribute("aria-live", enCours ? "off" : "polite");
}

// Son
// ---

// Pas de son avant un geste de l'utilisateur : les navigateurs le refusent et c'est poli.
var Interaction = false;
// Le carillon se tait tant que le visiteur ne l'a pas demande ; son choix est garde.
var SonCoupe = LireReglage("ostrelle.son") != "actif";

function NoterInteraction() {
  Interaction = true;
}

function JouerSon() {
  if (!Interaction || SonCoupe) return;
  // Le carillon est un agrement : un navigateur qui refuse le son ne bloque rien.
  try {
    if (Son == null) Son = new Audio("sohifrm2.wav");
    Son.currentTime = 0;
    var lecture = Son.play();
    if (lecture && lecture.catch) lecture.catch(function () {});
  } catch (e) {
  }
}

function BasculerSon() {
  SonCoupe = !SonCoupe;
  EcrireReglage("ostrelle.son", SonCoupe ? "coupe" : "actif");
  if (SonCoupe && Son != null) Son.pause();
  MajSon();
}

function MajSon() {
  Avec("cmdSon", function (bouton) {
    bouton.setAttribute("aria-label", SonCoupe ? "Activer le son" : "Couper le son");
    bouton.title = bouton.getAttribute("aria-label");
    bouton.classList.toggle("coupe", SonCoupe);
  });
}

// Plein ecran
// -----------

function PleinEcranPossible() {
  var racine = document.documentElement;
  return !!((document.fullscreenEnabled && racine.requestFullscreen) ||
            (document.webkitFullscreenEnabled && racine.webkitRequestFullscreen));
}

function ElementPleinEcran() {
  return document.fullscreenElement || document.webkitFullscreenElement || null;
}

function BasculerPleinEcran() {
  try {
    var demande;
    if (ElementPleinEcran()) {
      demande = document.exitFullscreen ? document.exitFullscreen() : document.webkitExitFullscreen();
    } else {
      var racine = document.documentElement;
      demande = racine.requestFullscreen ? racine.requestFullscreen() : racine.webkitRequestFullscreen();
    }
    if (demande && demande.catch) demande.catch(function () {});
  } catch (e) {
  }
}

function MajPleinEcran() {
  var plein = ElementPleinEcran() != null;
  document.body.classList.toggle("plein-ecran", plein);
  Avec("cmdPleinEcran", function (bouton) {
    bouton.setAttribute("aria-label", plein ? "Quitter le plein \u00e9cran" : "Afficher en plein \u00e9cran");
    bouton.title = bouton.getAttribute("aria-label");
    Avec("txtPleinEcran", function (t) { t.textContent = plein ? "Quitter" : "Plein \u00e9cran"; });
  });
}

// Clavier et gestes
// -----------------

function ChampDeSaisie(cible) {
  return !!(cible && cible.closest && cible.closest("input, textarea, select, [contenteditable]"));
}

function ToucheClavier(e) {
  if (e.defaultPrevented || e.altKey || e.ctrlKey || e.metaKey) return;
  if (ChampDeSaisie(e.target)) return;
  var touche = e.key;
  if (touche == " " || touche == "Spacebar") {
    // Sur un bouton, l'espace appartient au bouton.
    if (e.target && e.target.closest && e.target.closest("button, a")) return;
    if (e.shiftKey) Precedente();
    else Suivante();
  }
  else if (touche == "ArrowLeft" || touche == "Left") Precedente();
  else if (touche == "ArrowRight" || touche == "Right") Suivante();
  else if (touche == "Home") Premiere();
  else if (touche == "End") Derniere();
  else if ((touche == "f" || touche == "F") && PleinEcranPossible()) BasculerPleinEcran();
  else return;
  e.preventDefault();
}

// Un glissement franc et plutot horizontal change de diapo ; le reste est du defilement.
var DebutGeste = null;

function DebutToucher(e) {
  var zoom = window.visualViewport ? window.visualViewport.scale : 1;
  if (e.touches.length != 1 || zoom > 1.01 || (e.target.closest && e.target.closest("button"))) {
    DebutGeste = null;
    return;
  }
  DebutGeste = { x: e.touches[0].clientX, y: e.touches[0].clientY };
}

function FinToucher(e) {
  if (DebutGeste == null || e.changedTouches.length != 1) return;
  var dx = e.changedTouches[0].clientX - DebutGeste.x;
  var dy = e.changedTouches[0].clientY - DebutGeste.y;
  DebutGeste = null;
  if (Math.abs(dx) < 50 || Math.abs(dx) < 1.5 * Math.abs(dy)) return;
  if (dx < 0) Suivante();
  else Precedente();
}

function PreparerCommandes() {
  document.addEventListener("keydown", ToucheClavier);
  // Phase de capture : le geste est note avant que le bouton ne change de diapo.
  window.addEventListener("pointerdown", NoterInteraction, true);
  window.addEventListener("pointerdown", PrendreLaMain, true);
  window.addEventListener("keydown", PrendreLaMain, true);
  window.addEventListener("keydown", NoterInteraction, true);
  window.addEventListener("touchstart", NoterInteraction, { capture: true, passive: true });
  var scene = Element("diapo").parentNode;
  while (scene.parentNode && scene.parentNode != document.body && !scene.classList.contains("scene"))
    scene = scene.parentNode;
  scene.addEventListener("touchstart", DebutToucher, { passive: true });
  scene.addEventListener("touchend", FinToucher, { passive: true });
  scene.addEventListener("touchcancel", function () { DebutGeste = null; }, { passive: true });
  Avec("cmdLecture", function (b) { b.addEventListener("click", BasculerLecture); });
  Avec("cmdSon", function (b) { b.addEventListener("click", BasculerSon); });
  Avec("cmdPleinEcran", function (b) {
    b.hidden = !PleinEcranPossible();
    b.addEventListener("click", BasculerPleinEcran);
  });
  document.addEventListener("fullscreenchange", MajPleinEcran);
  document.addEventListener("webkitfullscreenchange", MajPleinEcran);
  MajLecture();
  MajSon();
  MajPleinEcran();
}

if (document.readyState == "loading") document.addEventListener("DOMContentLoaded", Demarrer);
else Demarrer();
