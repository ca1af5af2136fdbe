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
  var titre = document.getElementById("Titre").textContent;
  if (titre) document.title = titre;
}

// NBSprite est l'indice de la derniere diapo : -1 pour un diaporama vide.
function Afficher(i) {
  if (NBSprite < 0) return;
  if (i < 0) i = 0;
  if (i > NBSprite) i = NBSprite;
  if (i == Courante) return;
  Courante = i;
  document.getElementById("diapo").src = RepImage + i + TypeImage[i];
  document.getElementById("InfoDiaporama").innerHTML = (i + 1) + " / " + (NBSprite + 1);
  document.getElementById("InfoTexte").innerHTML = Info[i];
  JouerSon();
}

function Premiere() { Afficher(0); }
function Precedente() { Afficher(Courante - 1); }
function Suivante() { Afficher(Courante + 1); }
function Derniere() { Afficher(NBSprite); }

// Le carillon est un agrement : un navigateur qui refuse le son ne bloque rien.
function JouerSon() {
  try {
    if (Son == null) Son = new Audio("sohifrm2.wav");
    Son.currentTime = 0;
    var lecture = Son.play();
    if (lecture && lecture.catch) lecture.catch(function () {});
  } catch (e) {
  }
}

document.addEventListener("keydown", function (e) {
  if (e.altKey || e.ctrlKey || e.metaKey) return;
  var touche = e.key || e.keyCode;
  if (touche == "ArrowLeft" || touche == "Left" || touche == 37) Precedente();
  else if (touche == "ArrowRight" || touche == "Right" || touche == 39) Suivante();
  else if (touche == "Home" || touche == 36) Premiere();
  else if (touche == "End" || touche == 35) Derniere();
  else return;
  e.preventDefault();
});

if (document.readyState == "loading") document.addEventListener("DOMContentLoaded", Demarrer);
else Demarrer();
